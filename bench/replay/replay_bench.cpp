// A replay step as the user sees it: the turn made through the control, then the whole window
// painted at once (cube, log, panel). Run with QT_SCALE_FACTOR=2 for a doubled density.
#include "Merlo.h"
#include "Relecture.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include <cstdlib>

namespace {

void BM_ReplayStepPainted(benchmark::State& state)
{
    Merlo w;
    w.resize(w.size() * int(state.range(0)));
    w.show();
    w.Session().SeedMelange(3);
    for (const char* b : {"Melange", "RangerHaut", "IdM"})
        w.findChild<QPushButton*>(QLatin1String(b))->click();
    auto* r = w.findChild<Relecture*>(QStringLiteral("Relecture"));
    r->Commencer(0);
    bool avant = true;
    for (auto _ : state) {
        if (r->Faits() == r->Total())
            avant = false;
        else if (r->Faits() == r->Premier())
            avant = true;
        avant ? r->Avancer() : r->Reculer();
        w.repaint();
    }
    state.SetLabel(QStringLiteral("window %1x%2 at density %3, %4 log lines")
                       .arg(w.width())
                       .arg(w.height())
                       .arg(w.devicePixelRatioF())
                       .arg(r->Total())
                       .toStdString());
    r->Terminer();
}
BENCHMARK(BM_ReplayStepPainted)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
