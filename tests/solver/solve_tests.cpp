// The stages, pressed in turn, solve scrambled cubes.
#include "solver_support.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace solver_test;

namespace {

#ifdef MERLO_SOLVER_FEW_SCRAMBLES
constexpr int kMainScrambles = 30;
constexpr int kOtherScrambles = 10;
#else
constexpr int kMainScrambles = 200;
constexpr int kOtherScrambles = 100;
#endif

enum class Goal { TopOneColour, TopEdges, TopLayer, Middle, Solved };

struct Step {
    const char* button;
    const char* caption;
    std::vector<Goal> goals; // what must hold after it
};

bool Holds(Cube& cube, Goal g)
{
    switch (g) {
    case Goal::TopOneColour: return cube.TopOneColour();
    case Goal::TopEdges: return cube.TopOneColour() && cube.TopEdgesOverCentres();
    case Goal::TopLayer: return cube.TopLayerComplete();
    case Goal::Middle: return cube.MiddleLayerComplete();
    case Goal::Solved: return cube.Solved();
    }
    return false;
}

const char* Name(Goal g)
{
    switch (g) {
    case Goal::TopOneColour: return "top one colour";
    case Goal::TopEdges: return "top edges over their centres";
    case Goal::TopLayer: return "top layer complete";
    case Goal::Middle: return "middle layer complete and lined up";
    case Goal::Solved: return "every face one colour";
    }
    return "";
}

struct Turns {
    std::vector<int> perSolve;
    void Report(const char* what) const
    {
        if (perSolve.empty())
            return;
        long sum = 0;
        for (int t : perSolve)
            sum += t;
        std::printf("[ solver ] %s: %zu solves, layer quarter turns min %d mean %.1f max %d\n", what, perSolve.size(),
                    *std::min_element(perSolve.begin(), perSolve.end()), double(sum) / double(perSolve.size()),
                    *std::max_element(perSolve.begin(), perSolve.end()));
    }
};

// Scrambles a fresh cube with `seed`, presses the steps in order and checks each goal.
void SolveOne(uint64_t seed, const std::vector<Step>& steps, Turns& turns)
{
    Cube cube;
    cube.Scramble(seed);
    ASSERT_EQ(cube.Lines(), 31);
    const int before = cube.Lines();
    for (const Step& s : steps) {
        cube.Press(s.button);
        for (Goal g : s.goals)
            ASSERT_TRUE(Holds(cube, g)) << "seed " << seed << ": after \"" << s.caption << "\", " << Name(g)
                                       << " does not hold";
    }
    ASSERT_EQ(cube.Limits(), 0) << "seed " << seed;
    const QStringList log = cube.LogFrom(before);
    turns.perSolve.push_back(int(std::count_if(log.begin(), log.end(), IsLayerTurn)));
}

const Step FaceH{"RangerHaut", "FaceH", {Goal::TopOneColour}};
const Step Arretes{"IdM", "Arretes", {Goal::TopEdges}};
const Step Coins{"IdC", "Coins", {Goal::TopLayer}};
const Step ZoneMLast{"RangerM", "Zone M", {Goal::TopLayer, Goal::Middle}};
const Step ZoneM{"RangerM", "Zone M", {Goal::TopOneColour, Goal::Middle}};
const Step FaceB{"FaceB", "Face B", {Goal::Solved}};

} // namespace

TEST(SolveScrambles, StagesInTheirButtonOrderSolveEveryScramble)
{
    Turns turns;
    for (int i = 0; i < kMainScrambles; ++i) {
        SolveOne(1000 + i, {FaceH, Arretes, Coins, ZoneMLast, FaceB}, turns);
        if (HasFatalFailure())
            return;
    }
    turns.Report("FaceH, Arretes, Coins, Zone M, Face B");
}

TEST(SolveScrambles, MiddleLayerBeforeCornersSolvesEveryScramble)
{
    Turns turns;
    const Step middleAfterEdges{"RangerM", "Zone M", {Goal::TopEdges, Goal::Middle}};
    for (int i = 0; i < kOtherScrambles; ++i) {
        SolveOne(5000 + i, {FaceH, Arretes, middleAfterEdges, Coins, FaceB}, turns);
        if (HasFatalFailure())
            return;
    }
    turns.Report("FaceH, Arretes, Zone M, Coins, Face B");
}

TEST(SolveScrambles, MiddleLayerRightAfterTopFaceSolvesEveryScramble)
{
    Turns turns;
    for (int i = 0; i < kOtherScrambles; ++i) {
        SolveOne(9000 + i, {FaceH, ZoneM, Arretes, Coins, FaceB}, turns);
        if (HasFatalFailure())
            return;
    }
    turns.Report("FaceH, Zone M, Arretes, Coins, Face B");
}

// A stage pressed again right after it has done its work finds nothing to do.
TEST(SolveScrambles, EachStagePressedTwiceDoesNothingTheSecondTime)
{
    for (uint64_t seed : {11u, 12u, 13u}) {
        Cube cube;
        cube.Scramble(seed);
        for (const char* b : {"RangerHaut", "IdM", "IdC", "RangerM"}) {
            cube.Press(b);
            const int lines = cube.Lines();
            const auto snap = cube.Snapshot();
            cube.Press(b);
            EXPECT_EQ(cube.Lines(), lines) << b << " seed " << seed;
            EXPECT_EQ(cube.Snapshot(), snap) << b << " seed " << seed;
        }
        cube.Press("FaceB");
        ASSERT_TRUE(cube.Solved());
        EXPECT_EQ(cube.Limits(), 0);
    }
}
