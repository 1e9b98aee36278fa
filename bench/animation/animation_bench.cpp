// One frame of a turn shown on the cube, half-way, and one frame of a look around it: drawn in 3-D and
// painted onto the screen's pixels, at the window's size and at 4x that size on a screen of doubled
// density.
#include "RenduTour.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include <cstdlib>

namespace {

constexpr int DefaultWidth = 217, DefaultHeight = 225; // the cube's place in the window, drawn size

animation::Couleurs Scrambled()
{
    animation::Couleurs c{};
    for (int p = 0; p < 6; ++p)
        for (int k = 0; k < 9; ++k)
            c[static_cast<std::size_t>(p)][static_cast<std::size_t>(k)] = static_cast<int16_t>((p * 7 + k * 5) % 6);
    return c;
}

// range(0): the size's factor, range(1): the density, range(2): the turn.
void BM_Frame(benchmark::State& state)
{
    const QSize device(static_cast<int>(DefaultWidth * state.range(0) * state.range(1)),
                       static_cast<int>(DefaultHeight * state.range(0) * state.range(1)));
    const auto turn = static_cast<notation::Turn>(state.range(2));
    const animation::Couleurs c = Scrambled();
    QImage frame(device, QImage::Format_RGB32), screen(device, QImage::Format_RGB32);
    double p = 0.5;
    for (auto _ : state) {
        animation::Dessiner(frame, c, turn, p);
        QPainter g(&screen);
        g.setCompositionMode(QPainter::CompositionMode_Source);
        g.drawImage(QPoint(0, 0), frame);
        g.end();
        benchmark::DoNotOptimize(screen.constBits());
        p = p == 0.5 ? 0.52 : 0.5;
    }
    state.SetLabel(QStringLiteral("%1x%2 pixels, %3").arg(device.width()).arg(device.height())
                       .arg(notation::Name(turn)).toStdString());
}
// A layer (the middle slice: three blocks) and the whole cube, at 1x and at 4x size at density 2.
BENCHMARK(BM_Frame)
    ->Args({1, 1, static_cast<int>(notation::Turn::VHM)})
    ->Args({1, 1, static_cast<int>(notation::Turn::Haut)})
    ->Args({4, 2, static_cast<int>(notation::Turn::VHM)})
    ->Args({4, 2, static_cast<int>(notation::Turn::Haut)})
    ->Unit(benchmark::kMicrosecond);

// range(0): the size's factor, range(1): the density; range(2), range(3): the look, in degrees (round
// to the back and up, where the cube is drawn smaller to fit, and a little aside).
void BM_Look(benchmark::State& state)
{
    const QSize device(static_cast<int>(DefaultWidth * state.range(0) * state.range(1)),
                       static_cast<int>(DefaultHeight * state.range(0) * state.range(1)));
    const animation::Couleurs c = Scrambled();
    QImage frame(device, QImage::Format_RGB32), screen(device, QImage::Format_RGB32);
    animation::Regard r{double(state.range(2)), double(state.range(3))};
    for (auto _ : state) {
        animation::Dessiner(frame, c, notation::Turn::Haut, 1, r);
        QPainter g(&screen);
        g.setCompositionMode(QPainter::CompositionMode_Source);
        g.drawImage(QPoint(0, 0), frame);
        g.end();
        benchmark::DoNotOptimize(screen.constBits());
        r.lacet += r.lacet == double(state.range(2)) ? 0.5 : -0.5; // a pointer that moves
    }
    state.SetLabel(QStringLiteral("%1x%2 pixels, look %3, %4").arg(device.width()).arg(device.height())
                       .arg(state.range(2)).arg(state.range(3)).toStdString());
}
BENCHMARK(BM_Look)
    ->Args({1, 1, 150, -40})
    ->Args({4, 2, 150, -40})
    ->Args({4, 2, 30, -20})
    ->Unit(benchmark::kMicrosecond);

} // namespace
