// The short solver on random cubes and the ends of its searches; merlos-solve itself is tested in
// tests/solvecli, its cache in shortsolve_cache_tests.cpp.
#include "Prepared.h"
#include "ShortSolve.h"
#include "notation_support.h"
#include "shortsolve_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>
#include <unordered_map>

namespace {

using notation::Position;
using shortsolve::Move;
using namespace notationtest;

using namespace shortsolvetest;

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
        o.untilFirst = true; // the window's way: at least one answer
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
    const auto set = WaitFullTables();
    ASSERT_TRUE(set->full);
    const Phase1Table* full = &set->p1;
    const auto distance = [&](const Cubie& c) { return full->Distance(Twist(c), Flip(c), Slice(c), set->mv); };
    // Two projections of the distance, each filled whole by a plain breadth-first search.
    const std::vector<uint8_t> twistSlice = PairDistances(*set->block, CTwist, CSlice, SliceHome),
                               flipSlice = PairDistances(*set->block, CFlip, CSlice, SliceHome);
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
        EXPECT_GE(d, std::max(twistSlice[Twist(c) * Slices + Slice(c)], flipSlice[Flip(c) * Slices + Slice(c)]));
        int nearer = 0;
        for (int m = 0; m < 18; ++m) {
            const int e = distance(c.Then(MoveCubes()[m]));
            EXPECT_LE(std::abs(e - d), 1);
            nearer += e == d - 1;
        }
        EXPECT_EQ(nearer > 0, d > 0);
        // The symmetries keep the distance, and take moves to moves.
        const int s = int(rng() % Syms);
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

TEST(ShortSolve, TheCubesNearTheFirstPhasesGroupKnowTheirWays)
{
    using namespace shortsolve::detail;
    const auto set = CurrentTables();
    const Moves& mv = set->mv;
    const NearGroup& near = set->Near();
    // Every way of exactly k moves (none the same face as the one before, nor the opposite face in
    // the other order), the last outside the group, tried one by one.
    std::function<bool(int, int, int, int, int)> reaches = [&](int k, int last, int tw, int fl, int sl) {
        if (k == 0)
            return tw == 0 && fl == 0 && sl == SliceHome && last >= 0 && !InGroup(Move(last));
        for (int m = 0; m < 18; ++m)
            if (Follows(last < 0 ? -1 : last / 3, m / 3)
                && reaches(k - 1, m, mv.twist[tw * 18 + m], mv.flip[fl * 18 + m], mv.slice[sl * 18 + m]))
                return true;
        return false;
    };
    std::mt19937 rng(2592);
    int found = 0;
    for (int i = 0; i < 600; ++i) {
        // Cubes a few moves back from the group, and any.
        int tw = 0, fl = 0, sl = SliceHome;
        for (int j = int(rng() % 4); j >= 0; --j) {
            const int back = InverseMove(Move(rng() % 18));
            tw = mv.twist[tw * 18 + back], fl = mv.flip[fl * 18 + back], sl = mv.slice[sl * 18 + back];
        }
        if (i % 4 == 3)
            tw = int(rng() % Twists), fl = int(rng() % Flips), sl = int(rng() % Slices);
        for (int k = 1; k <= 3; ++k) {
            uint32_t ways = 0;
            for (int m = 0; m < 18; ++m)
                if (reaches(k - 1, m, mv.twist[tw * 18 + m], mv.flip[fl * 18 + m], mv.slice[sl * 18 + m]))
                    ways |= 1u << m;
            ASSERT_EQ(near.Ways(k, tw, fl, sl), ways) << k << ' ' << tw << ' ' << fl << ' ' << sl;
            found += ways != 0;
        }
    }
    EXPECT_GT(found, 300);
}

TEST(ShortSolve, TheSecondPhaseTablesHoldExactDistances)
{
    using namespace shortsolve::detail;
    const auto set = WaitFullTables();
    const Moves& mv = set->mv;
    const Phase2Table& p2 = set->p2;
    // Corners x top and bottom edges: every state up to six moves from solved, by a breadth-first
    // search on the move tables alone, has its distance; the others are further.
    std::unordered_map<uint32_t, int> near{{0, 0}};
    std::vector<uint32_t> layer{0};
    for (int d = 1; d <= 6; ++d) {
        std::vector<uint32_t> next;
        for (uint32_t s : layer)
            for (int k = 0; k < 10; ++k) {
                const uint32_t t = uint32_t(mv.corner2[s / EdgePerms8 * 10 + k]) * EdgePerms8 + mv.edge2[s % EdgePerms8 * 10 + k];
                if (near.emplace(t, d).second)
                    next.push_back(t);
            }
        layer = std::move(next);
    }
    std::mt19937 rng(2768);
    std::vector<std::pair<uint32_t, int>> all(near.begin(), near.end());
    for (int i = 0; i < 3000; ++i) {
        const auto [s, d] = all[rng() % all.size()];
        EXPECT_EQ(p2.Distance(int(s / EdgePerms8), int(s % EdgePerms8), mv), d) << s;
        const int cp = int(rng() % CornerPerms), ep = int(rng() % EdgePerms8), far = p2.Distance(cp, ep, mv);
        EXPECT_EQ(far <= 6, near.contains(uint32_t(cp) * EdgePerms8 + uint32_t(ep))) << cp << ' ' << ep;
        EXPECT_LE(far, 18);
        // The symmetries keep it.
        Cubie c = Cubie::Solved();
        SetCornerPerm(c, cp);
        SetEdgePerm8(c, ep);
        const Cubie x = Symmetric(c, int(rng() % Syms));
        EXPECT_EQ(p2.Distance(CornerPerm(x), EdgePerm8(x), mv), far);
    }
    // The small exact tables kept by class: every entry as the whole table's.
    const std::vector<uint8_t> cornerSlice = PairDistances(*set->block, CCorner2, CSlice2, 0),
                               edgeComb = PairDistances(*set->block, CEdge2, CCornerComb2, CombHome);
    int wrong = 0;
    for (int v = 0; v < CornerPerms; ++v) {
        for (int sp = 0; sp < SlicePerms; ++sp)
            wrong += p2.CornerSlice(v, sp) != cornerSlice[std::size_t(v) * SlicePerms + sp];
        for (int cc = 0; cc < Combs; ++cc)
            wrong += p2.EdgeComb(v, cc) != edgeComb[std::size_t(v) * Combs + cc];
    }
    EXPECT_EQ(wrong, 0);
}

TEST(ShortSolve, TheHardestKnownCubesGetTwentyMovesOrFewer)
{
    shortsolve::Options first;
    first.timeLimitMs = 0;
    for (const char* text : {"UFRRURBFFLDFLRBLUDLRUDFFBUDRLFBDRBBBRBDFLLLUUDDFLBURDU", "LBBUUDBDRBFLDRUDRRRRDLFBRRFDULLDFLLUDBUBLFFUFULBFBRFDU",
                     }) {
        const auto p = notation::PiecesOf(notation::ReadPosition(QString::fromLatin1(text)).position);
        ASSERT_TRUE(p);
        const shortsolve::Result r = shortsolve::Solve(*p, first);
        ASSERT_EQ(r.status, shortsolve::Result::Solved) << text;
        EXPECT_LE(r.moves.size(), 20u);
        EXPECT_TRUE(shortsolve::IsSolved(shortsolve::Apply(*p, r.moves))) << text;
    }
}

TEST(ShortSolve, AnswersFitTheCubeAsItIsHeld)
{
    std::mt19937 rng(61);
    for (int i = 0; i < 20; ++i) {
        const Position p = notation::Played(Position::Solved(), RandomTurns(rng, 40));
        const auto held = shortsolve::Hold(p);
        ASSERT_TRUE(held);
        shortsolve::Options first;
        first.timeLimitMs = 0;
        const shortsolve::Result r = shortsolve::Solve(held->pieces, first);
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

TEST(ShortSolve, EverySearchEndsAndSaysHowFarItHasGot)
{
    std::mt19937 rng(28);
    const notation::Pieces p = RandomPieces(rng);
    // A bound no cube like this meets: the time limit holds from the first move, the time said is true.
    shortsolve::Options tight;
    tight.maxMoves = 16;
    tight.timeLimitMs = 200;
    const shortsolve::Result r = shortsolve::Solve(p, tight);
    EXPECT_EQ(r.status, shortsolve::Result::NotFound);
    EXPECT_GE(r.seconds, 0.2);
    EXPECT_LT(r.seconds, 30.0);

    // Without a time limit it says how far it has got, until stopped.
    std::atomic<bool> cancel{false};
    std::vector<shortsolve::Progress> seen;
    shortsolve::Options open;
    open.maxMoves = 16;
    open.timeLimitMs = 0;
    open.cancel = &cancel;
    open.progressMs = 50;
    open.progress = [&](const shortsolve::Progress& at) {
        seen.push_back(at);
        if (seen.size() == 3)
            cancel = true;
    };
    EXPECT_EQ(shortsolve::Solve(p, open).status, shortsolve::Result::Cancelled);
    ASSERT_GE(seen.size(), 3u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].bound, 16);
        EXPECT_GE(seen[i].phase1, 1);
        EXPECT_LE(seen[i].phase1, 16);
        if (i > 0) {
            EXPECT_GE(seen[i].seconds, seen[i - 1].seconds + 0.04);
            EXPECT_GE(seen[i].phase1, seen[i - 1].phase1);
        }
    }
}

} // namespace
