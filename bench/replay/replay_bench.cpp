// A replay step as the user sees it: the turn made through the control, then the whole window
// painted at once (cube, log, panel). Measured at doubled density, where a step costs the most,
// unless QT_SCALE_FACTOR is set: a step must stay within a 60 Hz frame there.
#include "Merlo.h"
#include "Relecture.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
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

// Counts the widgets painted, so a run shows that its steps were painted at all.
class Peintures : public QObject {
public:
    int n = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        n += e->type() == QEvent::Paint;
        return false;
    }
};

// A step forwards or back, bouncing between the solution's ends; `peindre` paints after it.
template <typename Peindre>
void Pas(benchmark::State& state, Peindre peindre)
{
    Merlo w;
    w.resize(w.size() * int(state.range(0)));
    w.show();
    w.Session().SeedMelange(3);
    for (const char* b : {"Melange", "RangerHaut", "IdM"})
        w.findChild<QPushButton*>(QLatin1String(b))->click();
    auto* r = w.findChild<Relecture*>(QStringLiteral("Relecture"));
    r->Commencer(0);
    QCoreApplication::processEvents();
    bool avant = true;
    std::vector<double> ms;
    Peintures peintures;
    qApp->installEventFilter(&peintures);
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (r->Faits() == r->Total())
            avant = false;
        else if (r->Faits() == r->Premier())
            avant = true;
        avant ? r->Avancer() : r->Reculer();
        peindre(w);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    // The slowest step is what a person sees stutter; the mean hides it.
    state.counters["median_ms"] = Rang(ms, 0.5);
    state.counters["slowest_ms"] = ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end());
    state.counters["widgets_painted"] = ms.empty() ? 0 : double(peintures.n) / double(ms.size());
    qApp->removeEventFilter(&peintures);
    state.SetLabel(QStringLiteral("window %1x%2 at density %3, %4 steps")
                       .arg(w.width())
                       .arg(w.height())
                       .arg(w.devicePixelRatioF())
                       .arg(r->Total())
                       .toStdString());
    r->Terminer();
}

// The whole window painted after each step: every button too, the most a step can cost.
void BM_ReplayStepPainted(benchmark::State& state)
{
    Pas(state, [](Merlo& w) { w.repaint(); });
}
BENCHMARK(BM_ReplayStepPainted)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// What the window itself paints after a step: the parts the step changed (the cube, the panel's
// texts, the log's lines, the button's frame), as the event loop does.
void BM_ReplayStepUpdated(benchmark::State& state)
{
    Pas(state, [](Merlo&) { QCoreApplication::processEvents(); });
}
BENCHMARK(BM_ReplayStepUpdated)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
