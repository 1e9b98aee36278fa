// Each stage on cubes built by hand from a solved one, checked by the exact lines it logs.
#include "solver_support.h"

#include <random>

using namespace solver_test;

namespace {

void PressTimes(Cube& cube, const char* name, int times)
{
    for (int i = 0; i < times; ++i)
        cube.Press(name);
}

// Squares a1 b1 … a4 b4 of stage "T" that show the top colour, and the count of wrong top squares.
struct TopPattern {
    int wrong = 0;
    std::string onSides; // e.g. "a3 b3"
};

TopPattern ReadPattern(Cube& cube)
{
    TopPattern t;
    std::array<int16_t, 9> top{};
    cube.Surface().GetFace(cube.Face(0), top.data());
    for (int16_t v : top)
        t.wrong += v != top[4];
    for (int k = 1; k <= 4; ++k) {
        if (cube.Rel(int16_t(k), 0, 0) == top[4])
            t.onSides += (t.onSides.empty() ? "a" : " a") + std::to_string(k);
        if (cube.Rel(int16_t(k), 0, 2) == top[4])
            t.onSides += (t.onSides.empty() ? "b" : " b") + std::to_string(k);
    }
    return t;
}

// Lines of the log from `first` that form `expected`; the stage is then expected to have finished
// the top layer face (for "T").
void ExpectStage(Cube& cube, const char* button, const QStringList& expected)
{
    const int first = cube.Lines();
    cube.Press(button);
    EXPECT_TRUE(LogMatches(cube.LogFrom(first), expected)) << button;
    EXPECT_EQ(cube.Limits(), 0);
}

} // namespace

// ---- Stage "T" --------------------------------------------------------------------------------

TEST(StageT, SolvedCubeDoesNothing)
{
    Cube cube;
    ExpectStage(cube, "UneFace", {});
}

TEST(StageT, PatternsPickTheirRowAndFinishTheTopFace)
{
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, int>> setup; // button, presses
        int wrong;
        const char* pattern;
        QStringList lines;
    };
    const std::vector<Case> cases = {
        {"two corners, top colour on the right face", {{"B", 5}, {"A", 5}}, 2, "a3 b3", Expected({SeqA, SeqB})},
        {"two corners, top colour on the left face",
         {{"B", 5}, {"A", 5}, {"Droite", 2}},
         2,
         "a1 b1",
         Expected({"< <", SeqA, SeqB})},
        {"four corners, left and right faces", {{"A", 4}, {"Gauche", 1}}, 4, "a1 b1 a3 b3", Expected({">", SeqA, SeqA})},
        {"three corners on b2 b3 b4", {{"B", 5}, {"Droite", 1}}, 3, "b2 b3 b4", Expected({"<", SeqB})},
    };
    for (const Case& c : cases) {
        Cube cube;
        for (auto [button, times] : c.setup)
            PressTimes(cube, button, times);
        const TopPattern p = ReadPattern(cube);
        ASSERT_EQ(p.wrong, c.wrong) << c.name;
        ASSERT_EQ(p.onSides, c.pattern) << c.name;
        ExpectStage(cube, "UneFace", c.lines);
        EXPECT_TRUE(cube.TopOneColour()) << c.name;
    }
}

TEST(StageT, WrongEdgesFitNoRowAndEndAfterFourLeftTurns)
{
    Cube cube;
    cube.Press("VHD");
    const auto snap = cube.Snapshot();
    const int first = cube.Lines();
    cube.Press("UneFace");
    EXPECT_TRUE(LogMatches(cube.LogFrom(first), Expected({"< < < <"})));
    EXPECT_EQ(cube.Snapshot(), snap) << "four left turns face the cube as before";
    EXPECT_EQ(cube.Limits(), 1);
}

// ---- Stage "Arretes" ---------------------------------------------------------------------------

TEST(StageArretes, SolvedCubeDoesNothing)
{
    Cube cube;
    ExpectStage(cube, "IdM", {});
}

TEST(StageArretes, QuarterTurnedTopLayerIsTurnedBack)
{
    {
        Cube cube;
        cube.Press("HGH");
        ExpectStage(cube, "IdM", Expected({"HHD"}));
        EXPECT_TRUE(cube.Solved());
    }
    {
        Cube cube;
        cube.Press("HHD");
        ExpectStage(cube, "IdM", Expected({"HHD HHD HHD"}));
        EXPECT_TRUE(cube.Solved());
    }
}

TEST(StageArretes, CycledEdgesTakeOnePA)
{
    Cube cube;
    PressTimes(cube, "PA", 2);
    ExpectStage(cube, "IdM", Expected({SeqPA}));
    EXPECT_TRUE(cube.Solved());
}

TEST(StageArretes, LeftAndRightExchangedStartWithPAThenRightTurn)
{
    Cube cube;
    // Three exchanges of neighbouring top edges (a quarter turn and PA twice exchange front and
    // right) exchange the left and right edges, leaving front and back in place.
    const auto exchangeFrontRight = [&] { cube.Press({"HGH", "PA", "PA"}); };
    cube.Press("Droite");
    exchangeFrontRight();
    cube.Press("Gauche");
    exchangeFrontRight();
    cube.Press("Droite");
    exchangeFrontRight();
    cube.Press("Gauche");
    ASSERT_TRUE(cube.TopOneColour());
    ASSERT_EQ(cube.Rel(2, 0, 1), cube.Rel(2, 1, 1));
    ASSERT_EQ(cube.Rel(4, 0, 1), cube.Rel(4, 1, 1));
    ASSERT_EQ(cube.Rel(1, 0, 1), cube.Rel(3, 1, 1));
    ASSERT_EQ(cube.Rel(3, 0, 1), cube.Rel(1, 1, 1));

    const int first = cube.Lines();
    cube.Press("IdM");
    const QStringList log = cube.LogFrom(first);
    ASSERT_GT(log.size(), 14);
    EXPECT_TRUE(LogMatches(log.mid(0, 14), Expected({SeqPA, ">"})));
    EXPECT_TRUE(cube.TopOneColour());
    EXPECT_TRUE(cube.TopEdgesOverCentres());
    EXPECT_EQ(cube.Limits(), 0);
}

TEST(StageArretes, TopNotOneColourDoesNothing)
{
    Cube cube;
    cube.Press("VHD");
    ExpectStage(cube, "IdM", {});
}

// ---- Stage "Coins" -----------------------------------------------------------------------------

TEST(StageCoins, SolvedCubeAndMisplacedEdgesDoNothing)
{
    {
        Cube cube;
        ExpectStage(cube, "IdC", {});
    }
    {
        Cube cube;
        cube.Press("HGH");
        ASSERT_TRUE(cube.TopOneColour());
        ExpectStage(cube, "IdC", {});
    }
    {
        Cube cube;
        cube.Press("TDF");
        ExpectStage(cube, "IdC", {});
    }
}

TEST(StageCoins, NoFinishedSideStartsWithPC)
{
    for (int presses : {1, 2}) {
        Cube cube;
        PressTimes(cube, "PC", presses);
        const int first = cube.Lines();
        cube.Press("IdC");
        const QStringList log = cube.LogFrom(first);
        ASSERT_GE(log.size(), 13);
        EXPECT_TRUE(LogMatches(log.mid(0, 13), Expected({SeqPC})));
        EXPECT_TRUE(cube.TopLayerComplete());
        EXPECT_EQ(cube.Limits(), 0);
    }
}

// Corners placed with MacroC1 undone: the finished side is brought to position 1 first.
TEST(StageCoins, FinishedSideAtPositionThreeIsTurnedToTheLeftFirst)
{
    // The order of MacroC1 on a solved cube, so that order - 1 runs undo one.
    int order = 0;
    {
        Cube probe;
        const auto solved = probe.Snapshot();
        do {
            probe.Stages().MacroC1();
            ++order;
        } while (probe.Snapshot() != solved && order < 200);
        ASSERT_LT(order, 200);
    }
    Cube cube;
    for (int i = 1; i < order; ++i)
        cube.Stages().MacroC1();
    ASSERT_TRUE(cube.TopOneColour());
    ASSERT_TRUE(cube.TopEdgesOverCentres());

    // Find a side that is finished while its neighbours before it are not, and bring it to 3.
    const auto finished = [&](int16_t p) {
        return cube.Rel(p, 0, 0) == cube.Rel(p, 1, 1) && cube.Rel(p, 0, 1) == cube.Rel(p, 1, 1) &&
               cube.Rel(p, 0, 2) == cube.Rel(p, 1, 1);
    };
    int turns = 0;
    while (!(finished(3) && !finished(1) && !finished(2)) && turns < 4) {
        cube.Press("Gauche");
        ++turns;
    }
    ASSERT_LT(turns, 4) << "no side finished alone after undoing MacroC1";

    const int first = cube.Lines();
    cube.Press("IdC");
    const QStringList log = cube.LogFrom(first);
    ASSERT_GE(log.size(), 2);
    EXPECT_TRUE(LogMatches(log.mid(0, 2), Expected({"< <"})));
    EXPECT_TRUE(cube.TopLayerComplete());
    EXPECT_EQ(cube.Limits(), 0);
}

// ---- Stage "Zone M" ----------------------------------------------------------------------------

TEST(StageZoneM, NothingToDo)
{
    {
        Cube cube;
        ExpectStage(cube, "RangerM", {});
    }
    {
        Cube cube;
        cube.Press("TDF"); // top not one colour
        ExpectStage(cube, "RangerM", {});
    }
}

TEST(StageZoneM, MiddleLayerTurnedIsLinedUpWithRightTurnsOnly)
{
    for (const char* turn : {"HGM", "HMD"}) {
        for (int presses = 1; presses <= 3; ++presses) {
            Cube cube;
            PressTimes(cube, turn, presses);
            // Turns to the right only: a turn to the left is undone by three.
            const int n = turn[1] == 'G' ? presses : 4 - presses;
            QStringList expected;
            for (int i = 0; i < n; ++i)
                expected << "Horiz Milieu Droite";
            ExpectStage(cube, "RangerM", expected);
            EXPECT_TRUE(cube.Solved()) << turn << " x" << presses;
        }
    }
}

// Random cubes whose top layer is untouched: bottom turns and the two middle macros.
class ZoneMStates : public ::testing::Test {
protected:
    void Mix(Cube& cube, std::mt19937& rng)
    {
        static const char* const moves[] = {"HBD", "HGB", "CD", "CG"};
        std::uniform_int_distribution<int> pick(0, 3);
        for (int i = 0; i < 12; ++i)
            cube.Press(moves[pick(rng)]);
    }
};

// A middle edge under the left side: a half turn of the bottom, zero to three middle turns, then
// CG when its bottom square matches the front centre, CD when it matches the back centre.
TEST_F(ZoneMStates, EdgeUnderTheLeftSideIsInsertedFromTheRight)
{
    std::mt19937 rng(7);
    int seen = 0;
    for (int attempt = 0; attempt < 200 && seen < 12; ++attempt) {
        Cube cube;
        Mix(cube, rng);
        if (cube.MiddleLayerComplete())
            continue;
        const int16_t bottom = cube.Rel(5, 1, 1);
        const int16_t under = cube.Rel(5, 1, 0), side = cube.Rel(1, 2, 1);
        if (under == bottom || side == bottom)
            continue;
        // Where the edge ends after the half turn: its bottom square decides between CG and CD.
        // The middle layer turns until the right centre shows its side square, which does not
        // change which front and back centres there are, only where they stand.
        ++seen;
        const int first = cube.Lines();
        cube.Press("RangerM");
        const QStringList log = cube.LogFrom(first);
        ASSERT_GE(log.size(), 2 + 10);
        EXPECT_EQ(log[0], "Horiz Bas Droite");
        EXPECT_EQ(log[1], "Horiz Bas Droite");
        int k = 2;
        while (k < log.size() && log[k] == "Horiz Milieu Droite")
            ++k;
        EXPECT_LE(k - 2, 3);
        ASSERT_GE(log.size(), k + 10);
        const QStringList macro = log.mid(k, 10);
        EXPECT_TRUE(LogMatches(macro, Expected({SeqCG})) || LogMatches(macro, Expected({SeqCD})))
            << macro.join(" | ").toStdString();
        EXPECT_TRUE(cube.MiddleLayerComplete());
        EXPECT_TRUE(cube.TopOneColour());
        EXPECT_EQ(cube.Limits(), 0);
    }
    EXPECT_GE(seen, 12);
}

// All four bottom edges carry the bottom colour: a wrong square next to the back on the right side
// goes first (CD), then one next to the front (CG), otherwise the cube turns right.
TEST_F(ZoneMStates, AllBottomEdgesInTheBottomPickByTheRightSide)
{
    // Middle edges taken out with CD or CG, carried round the bottom and put back, some flipped or
    // into another slot; then the cube turned to each side.
    std::vector<std::vector<const char*>> setups;
    for (int code = 0; code < 2 * 4 * 2 * 4 * 2; ++code) {
        int c = code;
        const char* m1 = c % 2 ? "CG" : "CD";
        c /= 2;
        const int t1 = c % 4;
        c /= 4;
        const char* m2 = c % 2 ? "CG" : "CD";
        c /= 2;
        const int t2 = c % 4;
        c /= 4;
        const char* m3 = c % 2 ? "CG" : "CD";
        std::vector<const char*> s{m1};
        s.insert(s.end(), t1, "HBD");
        s.push_back(m2);
        s.insert(s.end(), t2, "HBD");
        s.push_back(m3);
        Cube probe;
        for (const char* m : s)
            probe.Press(m);
        const int16_t bottom = probe.Rel(5, 1, 1);
        bool all = !probe.MiddleLayerComplete();
        const int16_t bottomSq[4] = {probe.Rel(5, 1, 0), probe.Rel(5, 0, 1), probe.Rel(5, 1, 2), probe.Rel(5, 2, 1)};
        for (int16_t k = 1; k <= 4; ++k)
            all = all && (bottomSq[k - 1] == bottom || probe.Rel(k, 2, 1) == bottom);
        if (!all)
            continue;
        for (int turns = 0; turns < 4; ++turns) {
            setups.push_back(s);
            setups.back().insert(setups.back().end(), turns, "Droite");
        }
    }
    int seen[3] = {0, 0, 0};
    for (const auto& setup : setups) {
        Cube cube;
        for (const char* m : setup)
            cube.Press(m);
        const int16_t bottom = cube.Rel(5, 1, 1);
        const int16_t bottomSq[4] = {cube.Rel(5, 1, 0), cube.Rel(5, 0, 1), cube.Rel(5, 1, 2), cube.Rel(5, 2, 1)};
        bool all = true;
        for (int16_t k = 1; k <= 4; ++k)
            all = all && (bottomSq[k - 1] == bottom || cube.Rel(k, 2, 1) == bottom);
        if (cube.MiddleLayerComplete())
            continue;
        if (!all)
            continue;
        const int16_t m = cube.Rel(3, 1, 1);
        const int which = cube.Rel(3, 1, 2) != m ? 0 : cube.Rel(3, 1, 0) != m ? 1 : 2;
        ++seen[which];
        const int first = cube.Lines();
        cube.Press("RangerM");
        const QStringList log = cube.LogFrom(first);
        const QStringList expected = Expected({which == 0 ? SeqCD : which == 1 ? SeqCG : ">"});
        ASSERT_GE(log.size(), expected.size());
        EXPECT_TRUE(LogMatches(log.mid(0, int(expected.size())), expected));
        EXPECT_TRUE(cube.MiddleLayerComplete());
        EXPECT_TRUE(cube.TopOneColour());
        EXPECT_EQ(cube.Limits(), 0);
    }
    EXPECT_GE(seen[0], 1);
    EXPECT_GE(seen[1], 1);
    EXPECT_GE(seen[2], 1);
}

// ---- Stage "FaceH" -----------------------------------------------------------------------------

TEST(StageFaceH, OneColourTopDoesNothing)
{
    for (const char* setup : {"HHD", "HBD", "CD"}) {
        Cube cube;
        cube.Press(setup);
        ExpectStage(cube, "RangerHaut", {});
    }
}

TEST(StageFaceH, TopColourAtTheBackEndOfTheLeftTopRow)
{
    Cube cube;
    cube.Press("TGA"); // left squares 0, 3, 6 take the top colour
    std::array<int16_t, 9> left{};
    cube.Surface().GetFace(cube.Face(1), left.data());
    const int16_t c = cube.Rel(0, 1, 1);
    ASSERT_EQ(left[0], c);
    ASSERT_NE(left[1], c);
    ASSERT_NE(left[2], c);

    const int first = cube.Lines();
    cube.Press("RangerHaut");
    const QStringList log = cube.LogFrom(first);
    const QStringList expected = Expected({"> >", SeqH1});
    ASSERT_GE(log.size(), expected.size());
    EXPECT_TRUE(LogMatches(log.mid(0, int(expected.size())), expected));
    EXPECT_TRUE(cube.TopOneColour());
    EXPECT_EQ(cube.Limits(), 0);
}

TEST(StageFaceH, NoTopColourOnTheLeftTurnsTheCubeRight)
{
    Cube cube;
    cube.Press("TDF"); // the top colour goes to the right side only
    const int first = cube.Lines();
    cube.Press("RangerHaut");
    const QStringList log = cube.LogFrom(first);
    ASSERT_GE(log.size(), 1);
    EXPECT_TRUE(LogMatches(log.mid(0, 1), Expected({">"})));
    EXPECT_TRUE(cube.TopOneColour());
}

TEST(StageFaceH, BottomRowBackEndOfTheLeftHasNoOpeningTurn)
{
    Cube cube;
    cube.Press({"TGA", "HGH", "HGM"});
    std::array<int16_t, 9> left{};
    cube.Surface().GetFace(cube.Face(1), left.data());
    const int16_t c = cube.Rel(0, 1, 1);
    for (int k : {0, 1, 2, 3, 5})
        ASSERT_NE(left[k], c) << k;
    ASSERT_EQ(left[6], c);

    const int first = cube.Lines();
    cube.Press("RangerHaut");
    const QStringList log = cube.LogFrom(first);
    int k = 0;
    while (k < log.size() && log[k] == "Horiz Haut Droite")
        ++k;
    EXPECT_LE(k, 3);
    const QStringList expected = Expected({"^ > ^", SeqPC, "v < v >", SeqH1, SeqH1});
    ASSERT_GE(log.size(), k + expected.size());
    EXPECT_TRUE(LogMatches(log.mid(k, int(expected.size())), expected));
    EXPECT_TRUE(cube.TopOneColour());
    EXPECT_EQ(cube.Limits(), 0);
}

// Eight squares of the top colour on top and the ninth on a bottom corner: one corner move.
TEST(StageFaceH, LastSquareOnABottomCornerTakesTheCornerMove)
{
    // The corner move of the stage undone (PC twice for once), then its mirror attempts; the first
    // that leaves the ninth square on a bottom corner is used.
    const std::vector<std::vector<const char*>> candidates = {
        {"Haut", "Droite", "PC", "PC", "Gauche", "Bas"},
        {"Haut", "Droite", "PC", "Gauche", "Bas"},
        {"Haut", "Gauche", "PC", "PC", "Droite", "Bas"},
        {"Haut", "Gauche", "PC", "Droite", "Bas"},
    };
    std::vector<const char*> found;
    for (const auto& c : candidates) {
        Cube probe;
        const int16_t colour = probe.Rel(0, 1, 1);
        for (const char* m : c)
            probe.Press(m);
        std::array<int16_t, 9> tf{}, bf{};
        probe.Surface().GetFace(probe.Face(0), tf.data());
        probe.Surface().GetFace(probe.Face(5), bf.data());
        int top = 0, bottom = 0;
        for (int i = 0; i < 9; ++i) {
            top += tf[i] == colour;
            bottom += bf[i] == colour;
        }
        if (top == 8 && bottom == 1 &&
            (bf[0] == colour || bf[2] == colour || bf[6] == colour || bf[8] == colour)) {
            found = c;
            break;
        }
    }
    ASSERT_FALSE(found.empty());

    Cube run;
    for (const char* m : found)
        run.Press(m);
    const int first = run.Lines();
    run.Press("RangerHaut");
    const QStringList log = run.LogFrom(first);
    // Side work finds nothing on the left, then the cube turns until the top's front-right corner is
    // free, the bottom turns until a top-colour square is at its front-left corner, and PC lifts it.
    ASSERT_GE(log.size(), 1);
    EXPECT_EQ(log[0].left(9), "A droite ");
    int k = 1;
    while (k < log.size() && log[k].startsWith("A droite "))
        ++k;
    EXPECT_LE(k - 1, 3);
    while (k < log.size() && log[k] == "Horiz Bas Droite")
        ++k;
    const QStringList expected = Expected({"^ >", SeqPC, "< v"});
    ASSERT_GE(log.size(), k + expected.size());
    EXPECT_TRUE(LogMatches(log.mid(k, int(expected.size())), expected));
    EXPECT_TRUE(run.TopOneColour());
    EXPECT_EQ(run.Limits(), 0);
}

// ---- Stage "Face B" ----------------------------------------------------------------------------

TEST(StageFaceB, SolvedCubeIsTurnedOverAndNothingElse)
{
    Cube cube;
    const int16_t bottomColour = cube.Rel(5, 1, 1);
    ExpectStage(cube, "FaceB", Expected({"^ ^"}));
    EXPECT_TRUE(cube.Solved());
    EXPECT_EQ(cube.Rel(0, 1, 1), bottomColour);
}

TEST(StageFaceB, TopNotOneColourDoesNothing)
{
    Cube cube;
    cube.Press("VBG");
    ExpectStage(cube, "FaceB", {});
}

TEST(StageFaceB, CrossAlreadyThereGoesStraightToStageT)
{
    Cube cube;
    // Twist the bottom corners, keeping the bottom's cross: A undone on the turned-over cube.
    cube.Press({"Haut", "Haut"});
    PressTimes(cube, "A", 5);
    cube.Press({"Haut", "Haut"});
    const int first = cube.Lines();
    cube.Press("FaceB");
    const QStringList log = cube.LogFrom(first);
    ASSERT_GE(log.size(), 3);
    EXPECT_TRUE(LogMatches(log.mid(0, 2), Expected({"^ ^"})));
    EXPECT_NE(log[2], "Trans Front Droite") << "no Ar before stage T";
    EXPECT_TRUE(cube.Solved());
    EXPECT_EQ(cube.Limits(), 0);
}
