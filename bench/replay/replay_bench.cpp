// A replay step as the user sees it: the turn made through the control, then the whole window
// painted at once (cube, log, panel). Measured at doubled density, where a step costs the most,
// unless QT_SCALE_FACTOR is set: a step must stay within a 60 Hz frame there.
#include "Merlo.h"
#include "Relecture.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

// Before main() makes the application, which reads the scale once.
[[maybe_unused]] const bool Densite = setenv("QT_SCALE_FACTOR", "2", 0) == 0;

double Rang(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    const auto k = static_cast<std::ptrdiff_t>(q * double(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + k, v.end());
    return v[static_cast<std::size_t>(k)];
}

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
    std::vector<double> ms;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (r->Faits() == r->Total())
            avant = false;
        else if (r->Faits() == r->Premier())
            avant = true;
        avant ? r->Avancer() : r->Reculer();
        w.repaint();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    // The slowest step is what a person sees stutter; the mean hides it.
    state.counters["median_ms"] = Rang(ms, 0.5);
    state.counters["slowest_ms"] = ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
    state.SetLabel(QStringLiteral("window %1x%2 at density %3, %4 steps")
                       .arg(w.width())
                       .arg(w.height())
                       .arg(w.devicePixelRatioF())
                       .arg(r->Total())
                       .toStdString());
    r->Terminer();
}
BENCHMARK(BM_ReplayStepPainted)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
