// A long log made as a person makes one: 100,000 quarter turns pasted at once (read, played through
// the turns' commands, logged, one step of Undo), on a shown window. Reports the paste's time, what
// the log then costs in memory (the heap's growth, and the process's), and what Undo, then Redo and
// Clear, give back. It reaches the window only through its buttons, actions and counter, so one file
// measures the program before and after a change.
#include "Historique.h"
#include "Merlo.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

struct Memoire {
    double tas = 0;      // bytes the heap hands out now, mapped blocks included
    double resident = 0; // bytes of the process in memory
};

Memoire Mesurer()
{
    QCoreApplication::processEvents();
    Memoire m;
    const struct mallinfo2 i = mallinfo2();
    m.tas = double(i.uordblks + i.hblkhd);
    QFile f(QStringLiteral("/proc/self/statm"));
    if (f.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> v = f.readAll().split(' ');
        m.resident = v.size() > 1 ? v[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
    }
    return m;
}

void BM_PasteOfAHundredThousandTurns(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Merlo>();
        w->show();
        QCoreApplication::processEvents();
        QGuiApplication::clipboard()->setText(QStringLiteral("(R U R' U')25000"));
        QAction* coller = w->findChild<QAction*>(QStringLiteral("CollerMouvements"));
        malloc_trim(0);
        const Memoire avant = Mesurer();
        state.ResumeTiming();
        coller->trigger();
        state.PauseTiming();
        if (w->Message->text() != QStringLiteral("100000"))
            state.SkipWithError("the paste did not log 100,000 lines");
        const Memoire plein = Mesurer();
        w->Histoire().Annuler();
        malloc_trim(0);
        const Memoire annule = Mesurer();
        w->Histoire().Refaire();
        w->findChild<QPushButton*>(QStringLiteral("Clear"))->click();
        malloc_trim(0);
        const Memoire vide = Mesurer();
        state.counters["log_heap_MB"] = (plein.tas - avant.tas) / 1e6;
        state.counters["log_resident_MB"] = (plein.resident - avant.resident) / 1e6;
        state.counters["after_undo_heap_MB"] = (annule.tas - avant.tas) / 1e6;
        state.counters["after_clear_heap_MB"] = (vide.tas - avant.tas) / 1e6;
        state.counters["after_clear_resident_MB"] = (vide.resident - avant.resident) / 1e6;
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteOfAHundredThousandTurns)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
