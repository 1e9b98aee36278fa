// Reading and writing cube notation at the sizes a paste can have: 10,000 quarter turns.
#include "Notation.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// 10,000 random moves, one quarter turn each, as a scramble generator writes them.
QString FlatText()
{
    static const char* moves[] = {"U", "U'", "D", "D'", "R", "R'", "L", "L'", "F", "F'", "B", "B'", "M", "E'", "S", "x", "y'"};
    std::mt19937 rng(1);
    QStringList l;
    for (int i = 0; i < 10'000; ++i)
        l << QString::fromLatin1(moves[rng() % std::size(moves)]);
    return l.join(' ');
}

void ParseFlat(benchmark::State& state)
{
    const QString text = FlatText();
    for (auto _ : state)
        benchmark::DoNotOptimize(notation::Parse(text).turns.size());
}
BENCHMARK(ParseFlat)->Unit(benchmark::kMicrosecond);

void ParseRepeated(benchmark::State& state)
{
    const QString text = QStringLiteral("([R, U] [F: R U R'])625");
    for (auto _ : state)
        benchmark::DoNotOptimize(notation::Parse(text).turns.size());
}
BENCHMARK(ParseRepeated)->Unit(benchmark::kMicrosecond);

QStringList Log()
{
    QStringList log;
    for (notation::Turn t : notation::Parse(FlatText()).turns)
        log << QString::fromUtf16(notation::Info(t).log) + (t >= notation::Turn::Haut ? QStringLiteral(" 2") : QString());
    return log;
}

void WriteLog(benchmark::State& state)
{
    const QStringList log = Log();
    for (auto _ : state)
        benchmark::DoNotOptimize(notation::WriteLog(log).size());
}
BENCHMARK(WriteLog)->Unit(benchmark::kMicrosecond);

void WriteSimplified(benchmark::State& state)
{
    const QStringList log = Log();
    for (auto _ : state)
        benchmark::DoNotOptimize(notation::WriteSimplified(log).moves);
}
BENCHMARK(WriteSimplified)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
