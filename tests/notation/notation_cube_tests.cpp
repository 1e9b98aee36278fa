// Notation played on a cube: every move turns the cube as it turns a real cube held the way the
// picture shows it; algorithms and their inverses, well-known orders, and the simplified log.
#include "notation_support.h"

using namespace notationtest;
using cubetest::Vec;
using T = Turn;

namespace {

// A real cube's moves, by the layers they turn: clockwise seen from the face named is a quarter
// turn about the axis pointing into the cube (x right, y up, z to the front).
struct Real {
    const char* move;
    Vec axis;
    int coord;               // -1: the whole cube
    std::vector<int> layers; // along `coord`
};

const Real reals[] = {
    {"R", {-1, 0, 0}, 0, {1}},      {"L", {1, 0, 0}, 0, {-1}},      {"M", {1, 0, 0}, 0, {0}},
    {"U", {0, -1, 0}, 1, {1}},      {"D", {0, 1, 0}, 1, {-1}},      {"E", {0, 1, 0}, 1, {0}},
    {"F", {0, 0, -1}, 2, {1}},      {"B", {0, 0, 1}, 2, {-1}},      {"S", {0, 0, -1}, 2, {0}},
    {"r", {-1, 0, 0}, 0, {1, 0}},   {"l", {1, 0, 0}, 0, {-1, 0}},   {"u", {0, -1, 0}, 1, {1, 0}},
    {"d", {0, 1, 0}, 1, {-1, 0}},   {"f", {0, 0, -1}, 2, {1, 0}},   {"b", {0, 0, 1}, 2, {-1, 0}},
    {"x", {-1, 0, 0}, -1, {0}},     {"y", {0, -1, 0}, -1, {0}},     {"z", {0, 0, -1}, -1, {0}},
};

TEST(NotationCube, EveryMoveTurnsTheCubeAsARealCubeTurns)
{
    std::mt19937 rng(11);
    for (const Real& r : reals)
        for (const char* suffix : {"", "'", "2", "2'"}) {
            const QString move = QString::fromLatin1(r.move) + QString::fromLatin1(suffix);
            SCOPED_TRACE(move.toStdString());
            const int quarters = suffix[0] == '2' ? 2 : suffix[0] == '\'' ? 3 : 1;
            // From a cube already turned and held otherwise, so nothing depends on the start.
            CCUBECtrl c;
            cubetest::Distinct(c);
            Play(c, RandomTurns(rng, 30));
            auto want = cubetest::ByPosition(c);
            for (int layer : r.layers)
                want = cubetest::Rigid(want, r.axis, quarters, r.coord, layer);
            Play(c, Turns(move));
            EXPECT_EQ(cubetest::ByPosition(c), want);
        }
}

bool Restores(const std::vector<T>& turns)
{
    CCUBECtrl c, fresh;
    cubetest::Distinct(c);
    cubetest::Distinct(fresh);
    Play(c, turns);
    return cubetest::Read(c) == cubetest::Read(fresh);
}

TEST(NotationCube, AnAlgorithmAndItsInverseLeaveTheCubeAsItWas)
{
    std::mt19937 rng(3);
    for (int i = 0; i < 200; ++i) {
        const QString a = RandomAlgorithm(rng);
        SCOPED_TRACE(a.toStdString());
        const std::vector<T> turns = Turns(a);
        EXPECT_EQ(Turns("(" + a + ")'"), notation::Inverse(turns));
        EXPECT_TRUE(Restores(Turns(a + " (" + a + ")'")));
        const QString b = RandomAlgorithm(rng);
        EXPECT_EQ(Turns("[" + a + ", " + b + "]"), Turns(a + " " + b + " (" + a + ")' (" + b + ")'"));
        EXPECT_EQ(Turns("[" + a + ": " + b + "]"), Turns(a + " " + b + " (" + a + ")'"));
    }
}

TEST(NotationCube, WellKnownAlgorithmsHaveTheirOrders)
{
    struct Case {
        const char* algorithm;
        int order;
    };
    const Case cases[] = {
        {"R U R' U'", 6},                                      // the "sexy move"
        {"R U R' U R U2 R'", 6},                                // Sune
        {"R U R' U' R' F R2 U' R' U' R U R' F'", 2},            // T permutation
        {"x R' U R' D2 R U' R' D2 R2 x'", 3},                   // A permutation
        {"M2 U M2 U2 M2 U M2", 2},                              // H permutation
        {"R U2 R' U' R U' R'", 6},                              // anti-Sune
        {"[R U R', D]", 3},
        {"(x y z)", 2},                                         // a whole-cube turn, the cube as it was after two
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.algorithm);
        const std::vector<T> one = Turns(QString::fromLatin1(c.algorithm));
        std::vector<T> run;
        for (int k = 1; k <= c.order; ++k) {
            run.insert(run.end(), one.begin(), one.end());
            EXPECT_EQ(Restores(run), k == c.order) << k << " times";
        }
    }
}

TEST(NotationCube, TheSimplifiedLogIsTheSameCubeInFewerMovesAndNoWholeCubeTurns)
{
    struct Case {
        const char* log;
        const char* simplified;
    };
    const Case cases[] = {
        {"R R R", "R'"},         {"R L R'", "L"},       {"R U U' R", "R2"},  {"y R y'", "B"},
        {"x U x'", "F"},         {"M", "M"},            {"M2 U M2", "M2 U M2"},
        // Nothing made up: three layers turning are no whole-cube turn, two are no slice, and the
        // moves keep the order they were made in.
        {"R M' L'", "R M' L'"},  {"R M'", "R M'"},      {"R M' L' U", "R M' L' U"},
        {"R2 L2", "R2 L2"},      {"L2 R2", "L2 R2"},    {"U D'", "U D'"},    {"D' U", "D' U"},
        {"R L R", "R2 L"},       {"y M y'", "S"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(notation::Simplify(Turns(QString::fromLatin1(c.log))).text.toStdString(), c.simplified) << c.log;

    std::mt19937 rng(5);
    for (int i = 0; i < 300; ++i) {
        // Often from a few turns only, so that merges, cancellations and whole-cube turns abound.
        std::vector<T> turns;
        const int kinds = i % 3 == 0 ? notation::TurnCount : 6;
        const int first = static_cast<int>(rng() % (notation::TurnCount - kinds + 1));
        for (int k = 0; k < 25; ++k)
            turns.push_back(T(first + static_cast<int>(rng() % kinds)));
        if (i % 2)
            for (int k = 0; k < 5; ++k)
                turns.insert(turns.begin() + static_cast<long>(rng() % turns.size()), T(int(T::Haut) + int(rng() % 4)));
        const notation::Simplified s = notation::Simplify(turns);
        SCOPED_TRACE(s.text.toStdString());
        const std::vector<T> back = Turns(s.text);
        EXPECT_EQ(int(back.size()), s.quarters);
        EXPECT_LE(s.moves, int(std::count_if(turns.begin(), turns.end(), [](T t) { return t < T::Haut; })));
        EXPECT_TRUE(std::none_of(back.begin(), back.end(), [](T t) { return t >= T::Haut; }));
        auto slices = [](const std::vector<T>& v) {
            return std::count_if(v.begin(), v.end(), [](T t) { return std::string("MES").find(notation::Info(t).letter) != std::string::npos; });
        };
        EXPECT_LE(slices(back), slices(turns));
        ASSERT_EQ(int(s.list.size()), s.moves);
        for (const notation::Move& m : s.list)
            EXPECT_TRUE(m.first <= m.last && m.last < int(turns.size()));
        EXPECT_TRUE(SameUpToHolding(turns, back));
    }
}

} // namespace
