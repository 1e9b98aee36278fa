// The short solver on uniformly random positions: every answer checked and at most 20 moves; first
// solutions with tables ready; lengths with the default time limit; the tables' build, load and
// size; resident memory. Run by hand: build/bench-bin/shortsolve_bench [positions] [first] [threads]
// (1000 positions by default; "first" leaves out the run with the default time limit; threads 2).
#include "Prepared.h"
#include "ShortSolve.h"
#include "random_pieces.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long kb = 0;
    while (status >> key)
        if (key == "VmRSS:") {
            status >> kb;
            break;
        }
    return kb;
}

double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

struct Run {
    std::vector<double> ms;
    std::vector<int> moves;
    int wrong = 0;
};

Run SolveAll(const std::vector<notation::Pieces>& cubes, const shortsolve::Options& o)
{
    Run r;
    for (const auto& p : cubes) {
        const auto t0 = Clock::now();
        const shortsolve::Result s = shortsolve::Solve(p, o);
        r.ms.push_back(Ms(t0, Clock::now()));
        r.moves.push_back(int(s.moves.size()));
        if (s.status != shortsolve::Result::Solved || s.moves.size() > 20 || !shortsolve::IsSolved(shortsolve::Apply(p, s.moves)))
            ++r.wrong;
    }
    return r;
}

void Report(const char* what, Run r)
{
    std::sort(r.ms.begin(), r.ms.end());
    double sum = 0;
    for (int m : r.moves)
        sum += m;
    std::printf("%s: %zu positions, %d wrong or over 20; moves mean %.2f, max %d; time median %.3f ms, 90%% %.3f ms, slowest %.3f ms\n",
                what, r.ms.size(), r.wrong, sum / r.moves.size(), *std::max_element(r.moves.begin(), r.moves.end()),
                r.ms[r.ms.size() / 2], r.ms[r.ms.size() * 9 / 10], r.ms.back());
}

} // namespace

int main(int argc, char** argv)
{
    const int count = std::max(1, argc > 1 ? std::atoi(argv[1]) : 1000);
    QTemporaryDir cache;
    setenv("XDG_CACHE_HOME", cache.path().toLocal8Bit().constData(), 1);
    const shortsolve::TablesInfo built = shortsolve::PrepareTables();
    std::printf("small tables built in %.0f ms; resident memory %.1f MB\n", built.seconds * 1000, ResidentKb() / 1024.0);
    {
        const auto t0 = Clock::now();
        shortsolve::detail::WaitFullTables();
        std::printf("full tables ready %.0f ms later; cache file %.1f MB; resident memory %.1f MB\n", Ms(t0, Clock::now()),
                    std::filesystem::file_size(built.file) / 1e6, ResidentKb() / 1024.0);
    }

    std::mt19937 rng(2026);
    std::vector<notation::Pieces> cubes;
    for (int i = 0; i < count; ++i)
        cubes.push_back(notationtest::RandomPieces(rng));

    shortsolve::Options first, timed;
    first.timeLimitMs = 0;
    if (argc > 3)
        first.threads = timed.threads = std::max(1, std::atoi(argv[3]));
    Report("first solution of at most 20 moves", SolveAll(cubes, first));
    if (argc <= 2 || std::string(argv[2]) != "first")
        Report("default time limit (100 ms)", SolveAll(cubes, timed));

    notation::Pieces superflip = shortsolve::SolvedPieces();
    superflip.flip.fill(1);
    const auto t0 = Clock::now();
    const shortsolve::Result s = shortsolve::Solve(superflip, first);
    std::printf("superflip: %zu moves in %.0f ms (%s)\n", s.moves.size(), Ms(t0, Clock::now()), shortsolve::Write(s.moves).c_str());
    std::printf("resident memory after solving: %.1f MB\n", ResidentKb() / 1024.0);
    return 0;
}
