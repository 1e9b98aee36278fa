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

Checks RunChecks(Window& win)
{
    Checks c{};
    c.elmts.fill(-7);
    c.top = win.w().VerifHaut(c.elmts.data());
    c.identite = win.w().Identite();
    return c;
}

std::array<int16_t, 9> TopFace(Window& win)
{
    std::array<int16_t, 9> t{};
    win.w().CUBE().GetFace(win.Face(0), t.data());
    return t;
}

} // namespace

TEST(Checks, SolvedCubeIsTopOneColourWithEdgesInPlace)
{
    Window win;
    const Checks c = RunChecks(win);
    EXPECT_TRUE(c.top);
    EXPECT_TRUE(c.identite);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(c.elmts[i], 0);
    EXPECT_EQ(c.elmts[9], -7) << "only indices 0 to 8 are written";
    EXPECT_EQ(c.elmts[10], -7);
}

TEST(Checks, TopWithOnlyItsCentreRightLeavesAllNineColoursInTheArray)
{
    Window win;
    win.Press({"VHG", "VHD", "TDF", "TDA"});
    const auto top = TopFace(win);
    int same = 0;
    for (int16_t v : top)
        same += v == top[4];
    ASSERT_EQ(same, 1) << "the setup leaves only the centre in the top colour";

    const Checks c = RunChecks(win);
    EXPECT_FALSE(c.top);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(c.elmts[i], top[i]) << i;
}

TEST(Checks, TopLayerQuarterTurnedIsOneColourButEdgesAreOff)
{
    for (const char* turn : {"HGH", "HHD"}) {
        Window win;
        win.Press(turn);
        const Checks c = RunChecks(win);
        EXPECT_TRUE(c.top) << turn;
        EXPECT_FALSE(c.identite) << turn;
    }
}

// The checks read and never turn or log, on any cube; turning about the vertical axis keeps
// their answers, and the array always receives the top face.
TEST(Checks, AnswersFollowTheCubeAndSurviveTurnsAboutTheVerticalAxis)
{
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        Window win;
        win.w().Session().SeedMelange(seed);
        win.Press("Melange");
        if (seed % 3 == 0)
            win.Press("RangerHaut"); // some with a one-colour top
        if (seed % 4 == 0)
            win.Press("IdM"); // and some with the edges in place as well
        const int lines = win.Lines();
        const auto snap = win.Snapshot();
        const Checks c = RunChecks(win);
        EXPECT_EQ(win.Lines(), lines);
        EXPECT_EQ(win.Snapshot(), snap);

        const auto top = TopFace(win);
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(c.elmts[i], top[i]);
        EXPECT_EQ(c.top, win.TopOneColour());
        EXPECT_EQ(c.identite, win.TopEdgesOverCentres());

        for (const char* turn : {"Gauche", "Droite", "Droite"}) {
            win.Press(turn);
            const Checks d = RunChecks(win);
            EXPECT_EQ(d.top, c.top) << "seed " << seed << " after " << turn;
            EXPECT_EQ(d.identite, c.identite) << "seed " << seed << " after " << turn;
        }
    }
}

TEST(Checks, AfterTurningUpTheTopCheckReadsTheFormerFront)
{
    Window win;
    win.Press("TDF"); // the front stays one colour, the top does not
    EXPECT_FALSE(RunChecks(win).top);
    const int16_t front = win.Face(2);
    win.Press("Haut");
    ASSERT_EQ(win.Face(0), front);
    EXPECT_TRUE(RunChecks(win).top);
}
