// Group properties of the layer turns, the fixed move sequences, and the turns' repaint requests.
#include "cube_test_support.h"

#include <map>

using namespace cubetest;

namespace {

// A cube in a random orientation with all 54 squares distinct.
State Scrambled(CCUBECtrl& c, std::mt19937& rng)
{
    RandomOrient(c, rng);
    Distinct(c);
    for (const Move& m : RandomMoves(rng, 12))
        Apply(c, m);
    RandomOrient(c, rng);
    return Read(c);
}

} // namespace

TEST(TurnGroup, QuarterTurnsAndOppositesRestoreInAnyOrientation)
{
    std::mt19937 rng(1);
    for (int round = 0; round < 40; ++round) {
        CCUBECtrl c;
        const State start = Scrambled(c, rng);
        for (const Move& m : AllLayerTurns()) {
            SCOPED_TRACE(std::string(1, char(m.kind)) + std::to_string(m.face) + std::to_string(m.dir));
            Apply(c, m);
            EXPECT_NE(Read(c), start);
            Apply(c, m, 3);
            EXPECT_EQ(Read(c), start) << "four quarter turns";
            Apply(c, m);
            Apply(c, Inverse(m));
            EXPECT_EQ(Read(c), start) << "a turn and its opposite";
            Apply(c, m, 2);
            Apply(c, Inverse(m), 2);
            EXPECT_EQ(Read(c), start) << "two turns and two opposite turns";
        }
    }
}

TEST(TurnGroup, RandomSequencesAndTheirInversesRestore)
{
    std::mt19937 rng(2);
    for (int round = 0; round < 100; ++round) {
        CCUBECtrl c;
        RandomOrient(c, rng);
        const State start = Read(c);
        const auto seq = RandomMoves(rng, 1 + int(rng() % 30));
        for (const Move& m : seq) {
            const State before = Read(c);
            Apply(c, m);
            const State after = Read(c);
            EXPECT_EQ(after.where, before.where) << "layer turns never move faces between positions";
            for (size_t f = 0; f < 6 && m.face != 2; ++f)
                EXPECT_EQ(after.faces[f][4], before.faces[f][4]) << "only middle layers move centres";
        }
        std::map<int16_t, int> count;
        for (const Squares& f : Read(c).faces)
            for (int16_t colour : f)
                ++count[colour];
        EXPECT_EQ(count, (std::map<int16_t, int>{{0, 9}, {1, 9}, {2, 9}, {3, 9}, {4, 9}, {5, 9}}));
        for (auto it = seq.rbegin(); it != seq.rend(); ++it)
            Apply(c, Inverse(*it));
        EXPECT_EQ(Read(c), start);
    }
}

// The middle layers carry centres from face to face, but the positions stay with the face numbers.
TEST(TurnGroup, MiddleLayersMoveCentresButNotPositions)
{
    struct Case {
        Move move;
        std::array<int16_t, 6> centreAt; // centre colour seen at positions 0..5 afterwards
    };
    const Case cases[] = {
        {{V, 2, 0}, {4, 1, 0, 3, 5, 2}},
        {{H, 2, 0}, {0, 2, 3, 4, 1, 5}},
        {{T, 2, 0}, {1, 5, 2, 0, 4, 3}},
    };
    for (const Case& k : cases) {
        CCUBECtrl c;
        Apply(c, k.move);
        for (int16_t p = 0; p < 6; ++p) {
            EXPECT_EQ(c.WichFace(p), p);
            EXPECT_EQ(c.GetElmt(p, 4), k.centreAt[size_t(p)]) << char(k.move.kind) << " position " << p;
        }
    }
}

TEST(TurnRepaints, OneRequestPerQuarterTurnAndNoneWithoutOne)
{
    struct Case {
        Move move;
        int16_t n;
        int repaints;
        bool moves;
    };
    const Case cases[] = {
        {{V, 0, 0}, 3, 3, true},  {{H, 1, 1}, 2, 2, true},   {{T, 2, 0}, 5, 5, true},
        {{V, 0, 0}, 0, 0, false}, {{H, 0, 1}, -1, 0, false}, {{T, 1, 0}, -32768, 0, false},
        {{V, 3, 0}, 1, 0, false}, {{H, 0, 2}, 1, 0, false},  {{T, 3, 1}, 4, 0, false},
        {{V, 32767, -5}, 2, 0, false},
        // A negative layer or direction turns nothing but still asks for a repaint per pass.
        {{V, -1, 0}, 2, 2, false}, {{V, 0, -1}, 3, 3, false}, {{H, -1, 0}, 2, 2, false},
        {{T, 1, -7}, 1, 1, false}, {{T, -32768, -32768}, 2, 2, false},
    };
    std::mt19937 rng(3);
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(1, char(k.move.kind)) + "(" + std::to_string(k.move.face) + "," +
                     std::to_string(k.move.dir) + "," + std::to_string(k.n) + ")");
        CCUBECtrl c;
        const State start = Scrambled(c, rng);
        const int before = c.RepaintRequests();
        Apply(c, k.move, k.n);
        EXPECT_EQ(c.RepaintRequests() - before, k.repaints);
        EXPECT_EQ(Read(c) != start, k.moves);
    }
}

// --- the fixed sequences -------------------------------------------------------------------------

TEST(MoveSequences, EachRunsItsStepsInOrder)
{
    struct Sequence {
        bool arretes;
        int16_t etage, methode;
        std::vector<Move> steps;
    };
    const std::vector<Sequence> table{
        {true, 1, 0, {{T, 0, 1}, {T, 0, 1}}},
        {true, 1, 1, {{H, 0, 1}, {V, 1, 1}, {H, 0, 0}}},
        {true, 1, 2, {{H, 1, 1}, {V, 1, 1}, {T, 0, 0}, {V, 1, 0}}},
        {true, 2, 0, {{H, 1, 0}, {T, 0, 0}, {H, 1, 0}, {T, 0, 0}, {H, 1, 1}, {T, 0, 1}, {H, 1, 1}, {T, 0, 1}}},
        {true, 2, 1, {{H, 1, 1}, {T, 0, 1}, {H, 1, 1}, {T, 0, 1}, {H, 1, 0}, {T, 0, 0}, {H, 1, 0}, {T, 0, 0}}},
        {true, 3, 0, {{T, 0, 1}, {H, 0, 0}, {V, 1, 1}, {H, 0, 0}, {V, 1, 0}, {T, 0, 0}}},
        {false, 1, 0, {{V, 1, 0}, {H, 1, 0}, {V, 1, 1}}},
        {false, 1, 1, {{V, 0, 0}, {H, 1, 0}, {V, 0, 1}}},
        {false, 3, 0, {{V, 1, 1}, {H, 0, 0}, {H, 0, 0}, {V, 1, 0}, {H, 0, 1}, {V, 1, 1}, {H, 0, 1}, {V, 1, 0}}},
        {false, 3, 1, {{V, 0, 1}, {H, 0, 1}, {H, 0, 1}, {V, 1, 0}, {H, 0, 1}, {V, 1, 1}, {H, 0, 0}, {V, 1, 0}}},
        {false, 3, 2, {{V, 1, 0}, {H, 0, 0}, {V, 1, 0}, {H, 1, 1}, {V, 1, 0}, {H, 1, 0}}},
    };
    std::mt19937 rng(4);
    for (const Sequence& s : table)
        for (int round = 0; round < 6; ++round) {
            SCOPED_TRACE(std::string(s.arretes ? "Arretes(" : "Coins(") + std::to_string(s.etage) + "," +
                         std::to_string(s.methode) + ")");
            CCUBECtrl run, byHand;
            const State start = Scrambled(run, rng);
            for (int16_t f = 0; f < 6; ++f) {
                byHand.PutFace(f, start.where[size_t(f)]);
                byHand.SetFace(f, start.faces[size_t(f)].data());
            }
            s.arretes ? run.Arretes(s.etage, s.methode) : run.Coins(s.etage, s.methode);
            for (const Move& m : s.steps)
                Apply(byHand, m);
            EXPECT_EQ(Read(run), Read(byHand));
            EXPECT_NE(Read(run), start);
            EXPECT_EQ(run.RepaintRequests() - 12, int(s.steps.size())); // 12 from the scramble
        }
}

TEST(MoveSequences, CombinationsWithoutASequenceDoNothing)
{
    const std::array<std::array<int16_t, 2>, 8> arretes{{{2, 2}, {0, 0}, {1, 3}, {3, 1}, {4, 0}, {-1, 0}, {1, -1}, {32767, 0}}};
    const std::array<std::array<int16_t, 2>, 8> coins{{{2, 0}, {1, 2}, {2, 1}, {0, 0}, {3, 3}, {4, 0}, {-1, 1}, {3, -32768}}};
    std::mt19937 rng(5);
    CCUBECtrl c;
    const State start = Scrambled(c, rng);
    const int before = c.RepaintRequests();
    for (auto [e, m] : arretes)
        c.Arretes(e, m);
    for (auto [e, m] : coins)
        c.Coins(e, m);
    EXPECT_EQ(Read(c), start);
    EXPECT_EQ(c.RepaintRequests(), before);
}
