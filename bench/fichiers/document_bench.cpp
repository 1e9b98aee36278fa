// The session's document at the sizes a long evening makes: 100,000 log lines (and a million, for
// the size bound), written by stages and macros in runs with their marks, as Save, Open and the
// recovery file see them.
#include "DocumentSession.h"
#include "Notation.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <random>

namespace {

EtatSession Session(int lignes)
{
    static const QString commandes[] = {"FaceH", "Arretes", "Coins", "Zone M", "Face B", "PA", "Melange"};
    std::mt19937 rng(3);
    EtatSession e;
    qint64 serie = 0;
    while (static_cast<int>(e.lignes.size()) < lignes) {
        const QString& c = commandes[rng() % std::size(commandes)];
        ++serie;
        for (int k = 0; k < 13 && static_cast<int>(e.lignes.size()) < lignes; ++k) {
            const auto t = static_cast<notation::Turn>(rng() % 18);
            e.lignes.push_back({QString::fromUtf16(notation::Info(t).log), c, serie});
        }
    }
    e.compteur = lignes;
    e.selection = lignes / 2;
    return e;
}

const EtatSession& Longue()
{
    static const EtatSession e = Session(100'000);
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
    const QByteArray octets = document::Ecrire(Session(1'000'000));
    for (auto _ : state)
        benchmark::DoNotOptimize(document::Lire(octets).etat->lignes.size());
    state.counters["MB"] = static_cast<double>(octets.size()) / (1 << 20);
    state.counters["boundMB"] = static_cast<double>(document::TailleMax) / (1 << 20);
}
BENCHMARK(ReadMillion)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
