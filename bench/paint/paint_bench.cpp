// One paint of the control: composed from the kept pictures, against drawing every picture again
// and ANDing each one whole (what a paint costs when nothing is kept); and making the kept pictures
// at a new size. Run with QT_SCALE_FACTOR=2 for a doubled density: the label names the pixels.
#include "CUBEArtwork.h"
#include "CUBECtl.h"
#include "CUBEPictures.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include <cstdlib>
#include <malloc.h>
#include <memory>

namespace {

constexpr int DefaultWidth = 217, DefaultHeight = 225; // 3252 x 3372 twips

// A scrambled cube, so the paint combines pictures of every colour.
void Scramble(CCUBECtrl& c)
{
    c.MvtH(0, 0, 1);
    c.MvtV(1, 0, 1);
    c.MvtT(0, 1, 1);
    c.MvtV(0, 1, 1);
    c.MvtH(2, 1, 1);
    c.MvtT(2, 0, 1);
}

// What the control paints onto, as a window's backing store would be: the screen's own pixels.
QImage Target(QSize size, const QWidget& w)
{
    QImage target((QSizeF(size) * w.devicePixelRatioF()).toSize(), QImage::Format_RGB32);
    target.setDevicePixelRatio(w.devicePixelRatioF());
    return target;
}

QSize SizeOf(const benchmark::State& state)
{
    const int scale = static_cast<int>(state.range(0));
    return QSize(DefaultWidth * scale, DefaultHeight * scale);
}

// What the control composes at: its size in the screen's own pixels.
void Label(benchmark::State& state, const CCUBECtrl& c)
{
    const QSize device = (QSizeF(SizeOf(state)) * c.devicePixelRatioF()).toSize();
    state.SetLabel(QStringLiteral("%1x%2 pixels at density %3")
                       .arg(device.width())
                       .arg(device.height())
                       .arg(c.devicePixelRatioF())
                       .toStdString());
}

void BM_PaintKept(benchmark::State& state)
{
    const QSize size = SizeOf(state);
    CCUBECtrl c;
    Scramble(c);
    c.resize(size);
    QImage target = Target(size, c);
    c.render(&target, QPoint(), QRegion(), QWidget::RenderFlags()); // the first paint makes and keeps
    for (auto _ : state) {
        c.render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(target.constBits());
    }
    Label(state, c);
}

// Every paint at a size not seen before, as while the window is being resized: the pixels sorted
// into squares, the base and the pictures this cube shows made, then composed.
void BM_PaintAtNewSize(benchmark::State& state)
{
    const QSize size = SizeOf(state);
    CCUBECtrl c;
    Scramble(c);
    QImage target = Target(size + QSize(1, 1), c);
    int k = 0;
    for (auto _ : state) {
        c.resize(size + QSize(k, k));
        k = 1 - k;
        c.render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(target.constBits());
    }
    Label(state, c);
}

// The first paint of a control at this size, on memory fresh from the system, as when a window is
// first maximised: what the user waits for.
void BM_PaintFirstTime(benchmark::State& state)
{
    const QSize size = SizeOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        auto c = std::make_unique<CCUBECtrl>();
        Scramble(*c);
        c->resize(size);
        QImage target = Target(size, *c);
        target.fill(Qt::black);
        malloc_trim(0);
        state.ResumeTiming();
        c->render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(target.constBits());
        state.PauseTiming();
        Label(state, *c);
        c.reset();
        state.ResumeTiming();
    }
}

// All the kept pictures that painting can use, made at a new size: the base and the 135 square
// pictures. Once as a window being resized makes them, one size after another; once by a control
// that has never painted, on memory fresh from the system.
void MakeAll(CCUBEPictures& kept, QSize size)
{
    benchmark::DoNotOptimize(kept.Load(CUBEArtwork::Base, size));
    for (int colour = 1; colour <= 5; ++colour)
        for (int i = 0; i < 27; ++i)
            benchmark::DoNotOptimize(kept.Load(CUBEArtwork::Square(colour, i), size));
}

void BM_MakeAllKept(benchmark::State& state)
{
    const QSize size = SizeOf(state);
    CCUBEPictures kept;
    int k = 0;
    for (auto _ : state) {
        MakeAll(kept, size + QSize(k, k));
        k = 1 - k;
    }
}

// Memory the process has just given back is fresh again when asked for: the first time a control
// makes its pictures at this size, as when a window is first maximised.
void BM_MakeAllKeptFirstTime(benchmark::State& state)
{
    const QSize size = SizeOf(state);
    for (auto _ : state) {
        auto kept = std::make_unique<CCUBEPictures>();
        MakeAll(*kept, size);
        state.PauseTiming();
        kept.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

void BM_PaintAfresh(benchmark::State& state)
{
    const QSize size = SizeOf(state);
    CCUBECtrl c;
    Scramble(c);
    static constexpr int16_t position[3] = {0, 2, 3};
    QImage target(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&target);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, CCUBEPictures::Fresh(CUBEArtwork::Base, size));
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        for (int i = 0; i < 27; ++i) {
            const int colour = c.GetElmt(c.WichFace(position[i / 9]), static_cast<int16_t>(i % 9));
            const int id = colour == 0 ? CUBEArtwork::Base : CUBEArtwork::Square(colour, i);
            p.drawImage(0, 0, CCUBEPictures::Fresh(id, size));
        }
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

BENCHMARK(BM_PaintKept)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintAtNewSize)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFirstTime)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeAllKept)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeAllKeptFirstTime)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintAfresh)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
