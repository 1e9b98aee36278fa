// The shared checks: is the top one colour, are the top edges over their centres.
#include "solver_support.h"

#include <array>

using namespace solver_test;

namespace {

struct Checks {
    bool top;
    bool identite;
    std::array<int16_t, 11> elmts;
};

Checks RunChecks(Cube& cube)
{
    Checks c{};
    c.elmts.fill(-7);
    c.top = cube.Stages().VerifHaut(c.elmts.data());
    c.identite = cube.Stages().Identite();
    return c;
}

std::array<int16_t, 9> TopFace(Cube& cube)
{
    std::array<int16_t, 9> t{};
    cube.Surface().GetFace(cube.Face(0), t.data());
    return t;
}

} // namespace

TEST(Checks, SolvedCubeIsTopOneColourWithEdgesInPlace)
{
    Cube cube;
    const Checks c = RunChecks(cube);
    EXPECT_TRUE(c.top);
    EXPECT_TRUE(c.identite);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(c.elmts[i], 0);
    EXPECT_EQ(c.elmts[9], -7) << "only indices 0 to 8 are written";
    EXPECT_EQ(c.elmts[10], -7);
}

TEST(Checks, TopWithOnlyItsCentreRightLeavesAllNineColoursInTheArray)
{
    Cube cube;
    cube.Press({"VHG", "VHD", "TDF", "TDA"});
    const auto top = TopFace(cube);
    int same = 0;
    for (int16_t v : top)
        same += v == top[4];
    ASSERT_EQ(same, 1) << "the setup leaves only the centre in the top colour";

    const Checks c = RunChecks(cube);
    EXPECT_FALSE(c.top);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(c.elmts[i], top[i]) << i;
}

TEST(Checks, TopLayerQuarterTurnedIsOneColourButEdgesAreOff)
{
    for (const char* turn : {"HGH", "HHD"}) {
        Cube cube;
        cube.Press(turn);
        const Checks c = RunChecks(cube);
        EXPECT_TRUE(c.top) << turn;
        EXPECT_FALSE(c.identite) << turn;
    }
}

// The checks read and never turn or log, on any cube; turning about the vertical axis keeps
// their answers, and the array always receives the top face.
TEST(Checks, AnswersFollowTheCubeAndSurviveTurnsAboutTheVerticalAxis)
{
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        Cube cube;
        cube.Scramble(seed);
        if (seed % 3 == 0)
            cube.Press("RangerHaut"); // some with a one-colour top
        if (seed % 4 == 0)
            cube.Press("IdM"); // and some with the edges in place as well
        const int lines = cube.Lines();
        const auto snap = cube.Snapshot();
        const Checks c = RunChecks(cube);
        EXPECT_EQ(cube.Lines(), lines);
        EXPECT_EQ(cube.Snapshot(), snap);

        const auto top = TopFace(cube);
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(c.elmts[i], top[i]);
        EXPECT_EQ(c.top, cube.TopOneColour());
        EXPECT_EQ(c.identite, cube.TopEdgesOverCentres());

        for (const char* turn : {"Gauche", "Droite", "Droite"}) {
            cube.Press(turn);
            const Checks d = RunChecks(cube);
            EXPECT_EQ(d.top, c.top) << "seed " << seed << " after " << turn;
            EXPECT_EQ(d.identite, c.identite) << "seed " << seed << " after " << turn;
        }
    }
}

TEST(Checks, AfterTurningUpTheTopCheckReadsTheFormerFront)
{
    Cube cube;
    cube.Press("TDF"); // the front stays one colour, the top does not
    EXPECT_FALSE(RunChecks(cube).top);
    const int16_t front = cube.Face(2);
    cube.Press("Haut");
    ASSERT_EQ(cube.Face(0), front);
    EXPECT_TRUE(RunChecks(cube).top);
}
