// How soon a drag answers: a left-button drag along the front's top row on the real window's cube,
// then the time from the release to the end of the first paint that shows the layer turning (the
// turn shown, with "Animate turns" on) or turned (off). Run with QT_SCALE_FACTOR=2 for a doubled
// density; range(0) is the window's size factor.
#include "AnimationTours.h"
#include "CUBEArtwork.h"
#include "Merlo.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <chrono>

namespace {

struct Peint : QObject {
    bool vu = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        vu = vu || e->type() == QEvent::Paint;
        return false;
    }
};

void Souris(QWidget* w, QEvent::Type t, QPointF at, Qt::MouseButtons boutons)
{
    QMouseEvent e(t, at, w->mapToGlobal(at), Qt::LeftButton, boutons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void BM_DragAnswers(benchmark::State& state)
{
    Merlo w;
    w.resize(w.size() * int(state.range(0)));
    w.show();
    const bool anime = state.range(1) != 0;
    w.Animation().SetAnimer(anime);
    QWidget* cube = w.CUBE1;
    QWidget* peint = anime ? w.findChild<QWidget*>(QStringLiteral("VueTour")) : cube;
    Peint p;
    peint->installEventFilter(&p);
    auto at = [&](int i) {
        const auto& c = CUBEArtwork::Centres[static_cast<std::size_t>(i)];
        return QPointF((c.x + 0.5) * cube->width() / CUBEArtwork::Width, (c.y + 0.5) * cube->height() / CUBEArtwork::Height);
    };
    QCoreApplication::processEvents();
    for (auto _ : state) {
        // The front's top row, from its right square to its left, back and forth: U and U'.
        const bool gauche = state.iterations() % 2 == 0;
        const QPointF de = at(gauche ? 11 : 9), a = at(gauche ? 9 : 11);
        Souris(cube, QEvent::MouseButtonPress, de, Qt::LeftButton);
        Souris(cube, QEvent::MouseMove, (de + a) / 2, Qt::LeftButton);
        Souris(cube, QEvent::MouseMove, a, Qt::LeftButton);
        p.vu = false;
        QElapsedTimer t;
        t.start();
        Souris(cube, QEvent::MouseButtonRelease, a, Qt::NoButton);
        while (!p.vu)
            QCoreApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(t.nsecsElapsed() * 1e-9).count());
        w.Animation().Finir();
        QCoreApplication::processEvents();
    }
    state.SetLabel(QStringLiteral("window %1x%2 at density %3, %4").arg(w.width()).arg(w.height())
                       .arg(w.devicePixelRatioF()).arg(anime ? "turn shown" : "turn at once").toStdString());
}
BENCHMARK(BM_DragAnswers)->Args({1, 1})->Args({1, 0})->Args({4, 1})->Args({4, 0})->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
