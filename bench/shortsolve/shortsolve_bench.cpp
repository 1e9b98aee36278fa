// The short solver on uniformly random positions, beside the solver of an earlier commit in the same
// run (their solves interleaved, since the machine is shared and noisy): first solutions of at most 20
// moves, lengths within 100 ms, the hardest positions known; then merlos-solve as a person runs it,
// on cached tables and on a fresh cache. Every answer is checked.
//
//   build/bench-bin/shortsolve_bench [positions] [threads]       (200 positions, 2 threads)
//
// The tables are built in a folder of this run, unless XDG_CACHE_HOME is set (then they are kept
// there, the earlier solver's in its "old-solver" folder).
#include "Prepared.h"
#include "ShortSolve.h"
#include "random_pieces.h"
#ifdef MERLO_OLD_SOLVER
#include "old_solver.h"
#endif

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double ResidentMb(const char* key = "VmRSS:")
{
    std::ifstream status("/proc/self/status");
    std::string k;
    long kb = 0;
    while (status >> k)
        if (k == key) {
            status >> kb;
            break;
        }
    return kb / 1024.0;
}

double Ms(Clock::time_point a) { return std::chrono::duration<double, std::milli>(Clock::now() - a).count(); }

struct Runs {
    std::vector<double> ms;
    std::vector<int> moves;
    int wrong = 0;
};

// A solver: the moves it finds within the limit (0: its first), false when none.
using Solver = std::function<bool(const notation::Pieces&, int limitMs, std::vector<uint8_t>& moves)>;

void Once(const Solver& s, const notation::Pieces& p, int limitMs, Runs& r)
{
    std::vector<uint8_t> moves;
    const auto t0 = Clock::now();
    const bool ok = s(p, limitMs, moves);
    r.ms.push_back(Ms(t0));
    r.moves.push_back(int(moves.size()));
    std::vector<shortsolve::Move> m(moves.begin(), moves.end());
    if (!ok || m.size() > 20 || !shortsolve::IsSolved(shortsolve::Apply(p, m)))
        ++r.wrong;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Report(const char* who, const char* what, const Runs& r)
{
    std::vector<double> ms = r.ms;
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (int m : r.moves)
        sum += m;
    std::printf("%-5s %s: %zu positions, %d wrong; moves mean %.3f, max %d; ms median %.3f, 90%% %.3f, slowest %.1f\n", who, what,
                ms.size(), r.wrong, sum / double(r.moves.size()), *std::max_element(r.moves.begin(), r.moves.end()), ms[ms.size() / 2],
                ms[ms.size() * 9 / 10], ms.back());
}

// Both solvers on every position, in turns, the first of each pair taking turns too.
void Compare(const char* what, const std::vector<notation::Pieces>& cubes, int limitMs, const Solver& now, const Solver* before)
{
    Runs a, b;
    for (std::size_t i = 0; i < cubes.size(); ++i) {
        if (before && i % 2)
            Once(*before, cubes[i], limitMs, b);
        Once(now, cubes[i], limitMs, a);
        if (before && i % 2 == 0)
            Once(*before, cubes[i], limitMs, b);
    }
    Report("now", what, a);
    if (!before)
        return;
    Report("then", what, b);
    double sa = 0, sb = 0;
    for (std::size_t i = 0; i < cubes.size(); ++i)
        sa += a.moves[i], sb += b.moves[i];
    std::printf("      median %.2fx faster, slowest %.2fx faster, %.3f moves shorter on average\n", Median(b.ms) / Median(a.ms),
                *std::max_element(b.ms.begin(), b.ms.end()) / *std::max_element(a.ms.begin(), a.ms.end()), (sb - sa) / double(cubes.size()));
}

// merlos-solve on one text: milliseconds until its answer, and until it ended.
std::pair<double, double> Tool(const QString& text, const QString& cache)
{
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral(MERLO_BIN_DIR "/merlos-solve"), {QStringLiteral("--time-limit"), QStringLiteral("0"), text});
    while (!p.canReadLine() && p.state() != QProcess::NotRunning)
        p.waitForReadyRead(1);
    const double answer = double(t.nsecsElapsed()) / 1e6;
    p.waitForFinished(600'000);
    return {answer, double(t.nsecsElapsed()) / 1e6};
}

void Processes(const QString& cache, const std::vector<notation::Pieces>& cubes, const QStringList& hard)
{
    std::vector<double> cached;
    for (std::size_t i = 0; i < 20 && i < cubes.size(); ++i)
        cached.push_back(Tool(notation::WritePosition(notation::PositionOf(cubes[i])), cache).second);
    std::sort(cached.begin(), cached.end());
    std::printf("merlos-solve POSITION, tables cached, from start to end: median %.0f ms, slowest %.0f ms (20 runs)\n", Median(cached),
                cached.back());
    for (const QString& h : hard) {
        QTemporaryDir fresh;
        const auto [answer, end] = Tool(h, fresh.path());
        std::printf("merlos-solve %s on a fresh cache: answer after %.0f ms, process ended after %.0f ms\n", qPrintable(h), answer, end);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int count = std::max(1, argc > 1 ? std::atoi(argv[1]) : 200);
    const int threads = std::max(1, argc > 2 ? std::atoi(argv[2]) : 2);
    QTemporaryDir own;
    const QString base = qEnvironmentVariableIsSet("XDG_CACHE_HOME") ? qEnvironmentVariable("XDG_CACHE_HOME") : own.path();
    setenv("XDG_CACHE_HOME", qPrintable(base), 1);

    auto t0 = Clock::now();
    const shortsolve::TablesInfo info = shortsolve::PrepareTables();
    std::printf("tables: %s in %.0f ms (%s)\n", info.source == shortsolve::TablesInfo::Loaded ? "loaded" : "small ones built", Ms(t0),
                info.file.c_str());
    t0 = Clock::now();
    shortsolve::detail::WaitFullTables();
    std::printf("full tables ready %.0f ms later; file %.2f MB; resident %.1f MB\n", Ms(t0),
                double(shortsolve::detail::BlockBytes()) / 1e6, ResidentMb());
    const Solver now = [threads](const notation::Pieces& p, int limitMs, std::vector<uint8_t>& moves) {
        shortsolve::Options o;
        o.timeLimitMs = limitMs;
        o.untilFirst = true; // as the earlier solver did: a limit on looking for shorter ones only
        o.threads = threads;
        const shortsolve::Result r = shortsolve::Solve(p, o);
        moves.assign(r.moves.begin(), r.moves.end());
        return r.status == shortsolve::Result::Solved;
    };
    const Solver* before = nullptr;
#ifdef MERLO_OLD_SOLVER
    setenv("XDG_CACHE_HOME", qPrintable(base + QStringLiteral("/old-solver")), 1);
    t0 = Clock::now();
    oldsolver::Prepare();
    std::printf("the solver of commit %s: tables ready in %.0f ms\n", MERLO_OLD_SOLVER, Ms(t0));
    const Solver old = [threads](const notation::Pieces& p, int limitMs, std::vector<uint8_t>& moves) {
        bool solved = false;
        moves = oldsolver::Solve(p, limitMs, threads, solved);
        return solved;
    };
    before = &old;
#endif

    std::mt19937 rng(2026);
    std::vector<notation::Pieces> cubes;
    for (int i = 0; i < count; ++i)
        cubes.push_back(notationtest::RandomPieces(rng));
    Compare("first solution of at most 20 moves", cubes, 0, now, before);
    Compare("within 100 ms", cubes, 100, now, before);

    const QStringList hard{QStringLiteral("UFRRURBFFLDFLRBLUDLRUDFFBUDRLFBDRBBBRBDFLLLUUDDFLBURDU"),
                           QStringLiteral("LBBUUDBDRBFLDRUDRRRRDLFBRRFDULLDFLLUDBUBLFFUFULBFBRFDU"),
                           QStringLiteral("UBULURUFURURFRBRDRFUFLFRFDFDFDLDRDBDLULBLFLDLBUBRBLBDB")}; // the last: every edge flipped
    std::vector<notation::Pieces> hardCubes;
    for (const QString& h : hard)
        hardCubes.push_back(*notation::PiecesOf(notation::ReadPosition(h).position));
    Compare("the hardest known, first solution", hardCubes, 0, now, before);
    std::printf("resident memory: %.1f MB now, %.1f MB at most\n", ResidentMb(), ResidentMb("VmHWM:"));
    Processes(base, cubes, hard);
    return 0;
}
