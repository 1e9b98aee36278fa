// The session's document at the sizes a long evening makes: 100,000 log lines (and a million, for
// the size bound), written by stages and macros in runs with their marks, as Save, Open and the
// recovery file see them.
#include "DocumentSession.h"
#include "session_longue.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const EtatSession& Longue()
{
    static const EtatSession e = SessionLongue(100'000);
    return e;
}

void Write(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Ecrire(Longue()).size());
    state.counters["MB"] = static_cast<double>(document::Ecrire(Longue()).size()) / (1 << 20);
}
BENCHMARK(Write)->Unit(benchmark::kMillisecond);

void Read(benchmark::State& state)
{
    const QByteArray octets = document::Ecrire(Longue());
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Lire(octets).etat->lignes.size());
}
BENCHMARK(Read)->Unit(benchmark::kMillisecond);

// Save and Open as the window does them: aside, synced to disk and renamed; opened and checked.
void SaveToFile(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Enregistrer(dir.filePath("s.merlos"), Longue()).isEmpty());
}
BENCHMARK(SaveToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void OpenFile(benchmark::State& state)
{
    QTemporaryDir dir;
    document::Enregistrer(dir.filePath("s.merlos"), Longue());
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Ouvrir(dir.filePath("s.merlos")).etat->lignes.size());
}
BENCHMARK(OpenFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a recovery write costs the window's thread: one copy of the session.
void Snapshot(benchmark::State& state)
{
    for (auto _ : state) {
        EtatSession copie = Longue();
        benchmark::DoNotOptimize(copie.lignes.data());
    }
}
BENCHMARK(Snapshot)->Unit(benchmark::kMillisecond);

// A million lines: the file's size against the bound, and the time to read it.
void ReadMillion(benchmark::State& state)
{
    const QByteArray octets = document::Ecrire(SessionLongue(1'000'000));
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Lire(octets).etat->lignes.size());
    state.counters["MB"] = static_cast<double>(octets.size()) / (1 << 20);
    state.counters["boundMB"] = static_cast<double>(document::TailleMax) / (1 << 20);
}
BENCHMARK(ReadMillion)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
