// The cost of Undo on a long log: a window whose log holds 100,000 lines, then 1,000 commands of one
// turn each. Reports the time of one command (the history compares the log before and after it),
// the time of one Undo and Redo, and what the 1,000 steps hold in memory.
#include "Historique.h"
#include "Merlo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>

namespace {

// Resident memory of the process, in bytes.
double Resident()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> v = f.readAll().split(' ');
    return v.size() > 1 ? v[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
}

void LongLog(Merlo& w, int lines)
{
    // The log's lines as the arrows write them, added straight to the list: it is the history's cost
    // that is measured, not the turns'.
    for (int i = 0; i < lines; ++i)
        w.Session().AjouterLigne(i % 2 ? QStringLiteral("Horiz Haut Droite") : QStringLiteral("Vert Droite Haut"));
}

void BM_ThousandStepsOverALongLog(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Merlo>();
        LongLog(*w, lines);
        QPushButton* arrow = w->findChild<QPushButton*>(QStringLiteral("HHD"));
        const double before = Resident();
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i)
            arrow->click();
        state.PauseTiming();
        state.counters["steps_bytes"] = double(w->Histoire().Octets() - w->Histoire().OctetsMiroir());
        state.counters["mirror_bytes"] = double(w->Histoire().OctetsMiroir());
        state.counters["resident_growth_bytes"] = Resident() - before;
        state.counters["steps"] = w->Histoire().Pas();
        w.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ThousandStepsOverALongLog)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_UndoRedoOverALongLog(benchmark::State& state)
{
    Merlo w;
    LongLog(w, 100'000);
    QPushButton* macro = w.findChild<QPushButton*>(QStringLiteral("PA"));
    for (int i = 0; i < 100; ++i)
        macro->click();
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i)
            w.Histoire().Annuler();
        for (int i = 0; i < 100; ++i)
            w.Histoire().Refaire();
    }
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_UndoRedoOverALongLog)->Unit(benchmark::kMillisecond);

} // namespace
