// Stages pressed out of order end within their limits and leave the cube usable; the limits
// themselves.
#include "solver_support.h"

#include "StageLoop.h"

using namespace solver_test;

namespace {

// The cube still takes turns: an arrow adds its line and four of them restore the cube.
void ExpectUsable(Cube& cube)
{
    const auto snap = cube.Snapshot();
    const int lines = cube.Lines();
    for (int i = 0; i < 4; ++i)
        cube.Press("HHD");
    EXPECT_EQ(cube.Lines(), lines + 4);
    EXPECT_EQ(cube.Snapshot(), snap);
}

const char* const kStages[] = {"RangerHaut", "IdM", "IdC", "RangerM", "FaceB", "UneFace"};

} // namespace

TEST(StageLimits, FaceBAfterCDOnASolvedCubeEnds)
{
    Cube cube;
    cube.Press("CD");
    const int before = cube.Lines();
    cube.Press("FaceB");
    EXPECT_GT(cube.Lines(), before + 2) << "turned over, then the cross loop ran";
    EXPECT_EQ(cube.Limits(), 1);
    ExpectUsable(cube);
}

TEST(StageLimits, CoinsWithTopEdgesOutOfPlaceDoesNothing)
{
    for (const char* setup : {"HGH", "HHD"}) {
        Cube cube;
        cube.Press(setup);
        const auto snap = cube.Snapshot();
        const int lines = cube.Lines();
        cube.Press("IdC");
        EXPECT_EQ(cube.Lines(), lines);
        EXPECT_EQ(cube.Snapshot(), snap);
        EXPECT_EQ(cube.Limits(), 0);
    }
}

// Every stage pressed on scrambled cubes, in any state the other stages leave: each press ends, and
// only ever by finishing or by a counted limit.
TEST(StageLimits, AnyStageOnAnyCubeEnds)
{
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        Cube cube;
        cube.Scramble(seed);
        for (int round = 0; round < 2; ++round) {
            for (int i = 0; i < 6; ++i)
                cube.Press(kStages[(i + seed + round) % 6]);
        }
        ExpectUsable(cube);
    }
}

// The guard itself: a pass from a state seen before ends the loop, and so does the thousandth pass
// even when every state is new.
TEST(StageLoopGuard, RepeatedStateOrTooManyPassesEndTheLoop)
{
    Cube cube;
    {
        StageLoop loop(cube.Stages());
        EXPECT_TRUE(loop.Pass());
        cube.Press("HHD");
        EXPECT_TRUE(loop.Pass()) << "another cube";
        cube.Press("Gauche");
        EXPECT_TRUE(loop.Pass()) << "the same cube, turned";
        cube.Press({"Droite", "HGH"});
        EXPECT_FALSE(loop.Pass()) << "back to the first state";
        EXPECT_EQ(cube.Limits(), 1);
    }
    {
        StageLoop loop(cube.Stages());
        int16_t carried[2] = {0, 0};
        for (int i = 0; i < StageLoop::MaxPasses; ++i) {
            carried[0] = int16_t(i);
            ASSERT_TRUE(loop.Pass(carried, 2)) << i;
        }
        carried[0] = -1;
        EXPECT_FALSE(loop.Pass(carried, 2));
        EXPECT_EQ(cube.Limits(), 2);
    }
    {
        StageLoop::Turns turns(cube.Stages());
        for (int i = 0; i < StageLoop::MaxTurns; ++i)
            EXPECT_TRUE(turns.Turn());
        EXPECT_FALSE(turns.Turn());
        EXPECT_EQ(cube.Limits(), 3);
    }
}
