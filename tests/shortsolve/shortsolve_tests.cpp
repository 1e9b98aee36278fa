// The short solver on random cubes, and its cache file as merlos-solve meets it.
#include "Cubie.h"
#include "ShortSolve.h"
#include "notation_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

using notation::Position;
using shortsolve::Move;
using namespace notationtest;

// The suite's tables live in a cache of this run, built once for the whole process.
struct CacheOfThisRun {
    std::string dir;
    CacheOfThisRun()
    {
        char name[] = "/tmp/merlos-shortsolve-XXXXXX";
        dir = mkdtemp(name);
        setenv("XDG_CACHE_HOME", dir.c_str(), 1);
    }
    ~CacheOfThisRun() { std::filesystem::remove_all(dir); }
} const cacheOfThisRun;

std::vector<Move> RandomMoves(std::mt19937& rng, int n)
{
    std::vector<Move> m;
    while (int(m.size()) < n) {
        const Move next = Move(rng() % 18);
        if (m.empty() || shortsolve::FaceOf(m.back()) != shortsolve::FaceOf(next))
            m.push_back(next);
    }
    return m;
}

TEST(ShortSolve, MovesAndTurnsAreTheWindowsOwn)
{
    std::mt19937 rng(18);
    for (int i = 0; i < 40; ++i) {
        // Any of the window's turns, slices and whole-cube turns included, as the control makes them.
        const std::vector<Turn> turns = RandomTurns(rng, 25);
        CCUBECtrl c;
        Play(c, turns);
        ASSERT_EQ(notation::Played(Position::Solved(), turns), PositionOf(c));
        // Face turns on the pieces are those turns.
        const std::vector<Move> moves = RandomMoves(rng, 20);
        EXPECT_EQ(notation::PositionOf(shortsolve::Apply(shortsolve::SolvedPieces(), moves)),
                  notation::Played(Position::Solved(), shortsolve::Turns(moves)));
    }
}

TEST(ShortSolve, RandomCubesAreSolvedWithinTheBoundAndChecked)
{
    std::mt19937 rng(2026);
    for (int i = 0; i < 30; ++i) {
        const notation::Pieces p = RandomPieces(rng);
        shortsolve::Options o;
        o.timeLimitMs = i % 3 == 0 ? 20 : 0;
        // A bound under 20 with no time limit: searched until met, however slow the machine.
        o.maxMoves = i % 5 == 4 && o.timeLimitMs == 0 ? 19 : 20;
        const shortsolve::Result r = shortsolve::Solve(p, o);
        ASSERT_EQ(r.status, shortsolve::Result::Solved) << i;
        EXPECT_LE(int(r.moves.size()), o.maxMoves);
        EXPECT_TRUE(shortsolve::IsSolved(shortsolve::Apply(p, r.moves))) << shortsolve::Write(r.moves);
    }
    // A bound no cube can meet in time fails rather than answering wrong.
    shortsolve::Options tight;
    tight.maxMoves = 8;
    tight.timeLimitMs = 30;
    EXPECT_EQ(shortsolve::Solve(RandomPieces(rng), tight).status, shortsolve::Result::NotFound);
}

TEST(ShortSolve, ShortScramblesGetTheirShortestAnswer)
{
    std::mt19937 rng(6);
    shortsolve::Options first;
    first.timeLimitMs = 0;
    EXPECT_TRUE(shortsolve::Solve(shortsolve::SolvedPieces(), first).moves.empty());
    for (int i = 0; i < 60; ++i) {
        const int k = 1 + i % 6;
        const notation::Pieces p = shortsolve::Apply(shortsolve::SolvedPieces(), RandomMoves(rng, k));
        const shortsolve::Result r = shortsolve::Solve(p, first);
        ASSERT_EQ(r.status, shortsolve::Result::Solved);
        EXPECT_LE(int(r.moves.size()), k);
        EXPECT_TRUE(r.optimal);
        EXPECT_TRUE(shortsolve::IsSolved(shortsolve::Apply(p, r.moves)));
    }
}

TEST(ShortSolve, TheFullFirstPhaseTableHoldsExactDistances)
{
    using namespace shortsolve::detail;
    WaitFullTable();
    const Phase1Table* full = FullTable();
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->classes, 64430); // the known count of flip and middle-edge classes
    const Tables& t = Ready();
    const auto distance = [&](const Cubie& c) { return full->Distance(Twist(c), Flip(c), Slice(c), t); };
    std::mt19937 rng(64430);
    for (int i = 0; i < 300; ++i) {
        // Random cubes, and cubes a few moves from the group, where the distance is at most that.
        Cubie c = FromPieces(RandomPieces(rng));
        const int k = i % 3 == 0 ? int(rng() % 8) : -1;
        if (k >= 0) {
            c = Cubie::Solved();
            for (int j = 0; j < 4; ++j)
                c = c.Then(MoveCubes()[Phase2Moves[rng() % 10]]);
            for (Move m : RandomMoves(rng, k))
                c = c.Then(MoveCubes()[m]);
        }
        const int d = distance(c);
        if (k >= 0) {
            EXPECT_LE(d, k);
        }
        EXPECT_LE(d, 12);
        EXPECT_EQ(d == 0, Twist(c) == 0 && Flip(c) == 0 && Slice(c) == SliceHome);
        const int small = std::max({t.twistSlice[Twist(c) * Slices + Slice(c)], t.flipSlice[Flip(c) * Slices + Slice(c)],
                                    t.twistFlip[Twist(c) * Flips + Flip(c)]});
        EXPECT_GE(d, small);
        int nearer = 0;
        for (int m = 0; m < 18; ++m) {
            const int e = distance(c.Then(MoveCubes()[m]));
            EXPECT_LE(std::abs(e - d), 1);
            nearer += e == d - 1;
        }
        EXPECT_EQ(nearer > 0, d > 0);
        // The symmetries keep the distance, and take moves to moves.
        const int s = int(rng() % Phase1Table::Syms);
        EXPECT_EQ(distance(Symmetric(c, s)), d) << s;
        const Cubie turned = Symmetric(MoveCubes()[i % 18], s);
        EXPECT_NE(std::find(MoveCubes().begin(), MoveCubes().end(), turned), MoveCubes().end());
    }
    // And the search on it still answers within the bound, checked.
    shortsolve::Options first;
    first.timeLimitMs = 0;
    for (int i = 0; i < 20; ++i) {
        const notation::Pieces p = RandomPieces(rng);
        const shortsolve::Result r = shortsolve::Solve(p, first);
        ASSERT_EQ(r.status, shortsolve::Result::Solved);
        EXPECT_LE(r.moves.size(), 20u);
        EXPECT_TRUE(shortsolve::IsSolved(shortsolve::Apply(p, r.moves)));
        const int k = 1 + i % 6;
        const notation::Pieces q = shortsolve::Apply(shortsolve::SolvedPieces(), RandomMoves(rng, k));
        EXPECT_LE(shortsolve::Solve(q, first).moves.size(), std::size_t(k));
    }
}

TEST(ShortSolve, AnswersFitTheCubeAsItIsHeld)
{
    std::mt19937 rng(61);
    for (int i = 0; i < 20; ++i) {
        const Position p = notation::Played(Position::Solved(), RandomTurns(rng, 40));
        const auto held = shortsolve::Hold(p);
        ASSERT_TRUE(held);
        const shortsolve::Result r = shortsolve::Solve(held->pieces, {20, 0});
        ASSERT_EQ(r.status, shortsolve::Result::Solved);
        const Position after = notation::Played(p, shortsolve::Turns(shortsolve::AsHeld(r.moves, *held)));
        EXPECT_EQ(notation::HeldStandard(after), Position::Solved());
    }
}

TEST(ShortSolve, ACancelledSearchStopsWithoutAnAnswer)
{
    std::mt19937 rng(3);
    const std::atomic<bool> cancel{true};
    shortsolve::Options o;
    o.maxMoves = 15;
    o.timeLimitMs = 0; // unbounded but for the cancel
    o.cancel = &cancel;
    EXPECT_EQ(shortsolve::Solve(RandomPieces(rng), o).status, shortsolve::Result::Cancelled);
}

// The tool, run as a user runs it.
struct ToolRun {
    int status;
    QStringList out, err;
};

ToolRun Tool(const QStringList& args, const QString& cache, const QByteArray& input = {})
{
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MERLO_BIN_DIR "/merlos-solve"), args);
    EXPECT_TRUE(p.waitForStarted());
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(120'000));
    const auto lines = [](const QByteArray& b) {
        QStringList l = QString::fromUtf8(b).split(QLatin1Char('\n'));
        if (!l.isEmpty() && l.last().isEmpty())
            l.removeLast();
        return l;
    };
    return {p.exitCode(), lines(p.readAllStandardOutput()), lines(p.readAllStandardError())};
}

bool Loaded(const ToolRun& r) { return r.err.join('\n').contains(QStringLiteral("tables: loaded from")); }

TEST(ShortSolveTool, TheCacheIsCheckedRebuiltAndNeverBroken)
{
    QTemporaryDir cache;
    const QString file = cache.filePath(QStringLiteral("merlos/") + QString::fromStdString(shortsolve::CacheFileName()));
    const QStringList args{QStringLiteral("--stats"), QStringLiteral("R U F2")};
    const auto ok = [&](const ToolRun& r) { return r.status == 0 && r.out == QStringList{QStringLiteral("F2 U' R'")}; };

    // Two processes building at once on an empty cache: both answer, and the file is whole.
    ToolRun a, b;
    std::thread other([&] { b = Tool(args, cache.path()); });
    a = Tool(args, cache.path());
    other.join();
    EXPECT_TRUE(ok(a) && ok(b));
    EXPECT_FALSE(Loaded(a) && Loaded(b));
    EXPECT_EQ(QDir(cache.filePath(QStringLiteral("merlos"))).entryList(QDir::Files), QStringList{QFileInfo(file).fileName()});
    const ToolRun loaded = Tool(args, cache.path());
    EXPECT_TRUE(ok(loaded) && Loaded(loaded));

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray whole = f.readAll();
    f.close();
    QByteArray damaged = whole;
    damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x10);
    QByteArray lateDamage = whole;
    lateDamage[lateDamage.size() - 3] = char(lateDamage[lateDamage.size() - 3] ^ 0x01);
    for (const QByteArray& bad : {damaged, lateDamage, whole.left(whole.size() - 1), whole.left(30), whole + "x",
                                  QByteArray("not a cache file at all\n"), QByteArray()}) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bad);
        f.close();
        const ToolRun rebuilt = Tool(args, cache.path());
        EXPECT_TRUE(ok(rebuilt) && !Loaded(rebuilt)) << bad.size();
        const ToolRun again = Tool(args, cache.path());
        EXPECT_TRUE(ok(again) && Loaded(again));
    }

    // A cache that cannot be written: the tables live in memory, and one line says so.
    QTemporaryDir blocked;
    QFile plug(blocked.filePath(QStringLiteral("merlos")));
    ASSERT_TRUE(plug.open(QIODevice::WriteOnly));
    plug.close();
    const ToolRun memory = Tool(args, blocked.path());
    EXPECT_TRUE(ok(memory));
    ASSERT_FALSE(memory.err.isEmpty());
    EXPECT_TRUE(memory.err[0].startsWith(QStringLiteral("merlos-solve: cannot write the tables' cache"))) << memory.err[0].toStdString();
    EXPECT_TRUE(memory.err[0].contains(QStringLiteral("in memory only")));
}

} // namespace
