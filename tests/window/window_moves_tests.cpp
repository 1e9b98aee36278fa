// The layer primitives through the arrow buttons, the layer selection, the whole-cube turns, Init
// and Clear: each compared with the same turn made on a cube of the tests' own.
#include "window_support.h"

#include <QTimer>

#include <random>

namespace {

// What each arrow button must do: the control's turn, its layer and direction, and the log line.
struct Move {
    const char* name;
    char method; // 'T' MvtT, 'H' MvtH, 'V' MvtV
    int16_t layer, direction;
    QString line;
};

const std::vector<Move>& Moves()
{
    static const std::vector<Move> moves = {
        {"HHD", 'H', 0, 1, "Horiz Haut Droite"},    {"HGH", 'H', 0, 0, "Horiz Haut Gauche"},
        {"HMD", 'H', 2, 1, "Horiz Milieu Droite"},  {"HGM", 'H', 2, 0, "Horiz Milieu Gauche"},
        {"HBD", 'H', 1, 1, "Horiz Bas Droite"},     {"HGB", 'H', 1, 0, "Horiz Bas Gauche"},
        {"VHG", 'V', 0, 1, "Vert Gauche Haut"},     {"VBG", 'V', 0, 0, "Vert Gauche Bas"},
        {"VHM", 'V', 2, 1, "Vert Milieu Haut"},     {"VBM", 'V', 2, 0, "Vert Milieu Bas"},
        {"VHD", 'V', 1, 1, "Vert Droite Haut"},     {"VBD", 'V', 1, 0, "Vert Droite Bas"},
        {"TDF", 'T', 0, 0, "Trans Front Droite"},   {"TGF", 'T', 0, 1, "Trans Front Gauche"},
        {"TDM", 'T', 2, 0, "Trans Milieu Droite"},  {"TGM", 'T', 2, 1, "Trans Milieu Gauche"},
        {"TDA", 'T', 1, 0, "Trans " + kArriere + " Droite"},
        {"TGA", 'T', 1, 1, "Trans " + kArriere + " Gauche"},
    };
    return moves;
}

void Apply(CCUBECtrl& c, const Move& m)
{
    switch (m.method) {
    case 'T': c.MvtT(m.layer, m.direction, 1); break;
    case 'H': c.MvtH(m.layer, m.direction, 1); break;
    default: c.MvtV(m.layer, m.direction, 1); break;
    }
}

void TurnWhole(CCUBECtrl& c, int16_t position) { c.AfficherFace(c.WichFace(position)); }

using Moves_ = WindowTest;

TEST_F(Moves_, EveryArrowTurnsItsLayerItsWayAndLogsItsLine)
{
    CCUBECtrl reference;
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> pick(0, Moves().size() - 1);
    // Long enough that each button meets many different cubes.
    for (int i = 0; i < 300; ++i) {
        const Move& m = Moves()[pick(rng)];
        SCOPED_TRACE(m.name);
        Press(m.name);
        Apply(reference, m);
        ASSERT_EQ(Cube(), ReadCube(reference));
        ASSERT_EQ(LastLine(), m.line);
        ASSERT_EQ(Counter(), QString::number(i + 1));
    }
}

TEST_F(Moves_, FourPressesRestoreAndLogFourEqualLines)
{
    const CubeState start = Cube();
    for (const Move& m : Moves()) {
        SCOPED_TRACE(m.name);
        w->Session().Clear_Click();
        for (int i = 0; i < 4; ++i) {
            Press(m.name);
            if (i < 3) {
                EXPECT_NE(Cube(), start);
            }
        }
        EXPECT_EQ(Cube(), start);
        EXPECT_EQ(Log(), QStringList(4, m.line));
    }
}

TEST_F(Moves_, EachPrimitiveIsUndoneByItsPartner)
{
    const CubeState start = Cube();
    Press("TDA");
    Press("TGA");
    EXPECT_EQ(Cube(), start);
    EXPECT_EQ(Log(), QStringList({"Trans " + kArriere + " Droite", "Trans " + kArriere + " Gauche"}));
    EXPECT_EQ(Counter(), "2");
}

TEST_F(Moves_, PrimitivesRunByCodeUseTheSelectionAtStart)
{
    CCUBECtrl reference;
    w->Session().VHaut_Click();
    w->Session().FrontD_Click();
    w->Session().HorizD_Click();
    reference.MvtV(0, 1, 1);
    reference.MvtT(1, 0, 1);
    reference.MvtH(0, 1, 1);
    EXPECT_EQ(Cube(), ReadCube(reference));
    EXPECT_EQ(Log(), QStringList({"Vert Gauche Haut", "Trans " + kArriere + " Droite", "Horiz Haut Droite"}));
}

// The hidden option groups and the session choose alike, whichever side chooses: what the stages
// see of the window chooses in the session and the buttons follow; a button checked by code chooses
// in the session, and the next primitive turns that layer.
TEST_F(Moves_, TheOptionButtonsFollowTheSessionBothWays)
{
    const char* noms[] = {"OptGauche", "OptM", "OptDroit", "OptArr", "OptMi", "OptFront", "OptHaut", "OptMil", "OptBas"};
    void (SurfaceEtapes::*primitive[])() = {&SurfaceEtapes::VHaut_Click, &SurfaceEtapes::FrontD_Click, &SurfaceEtapes::HorizD_Click};
    const QStringList lignes[] = {{"Vert Gauche Haut", "Vert Milieu Haut", "Vert Droite Haut"},
                                  {"Trans " + kArriere + " Droite", "Trans Milieu Droite", "Trans Front Droite"},
                                  {"Horiz Haut Droite", "Horiz Milieu Droite", "Horiz Bas Droite"}};
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(noms[k]);
        const auto o = SurfaceEtapes::Option(k);
        w->Surface().Choisir(o);
        EXPECT_TRUE(Get<QRadioButton>(noms[k])->isChecked());
        Get<QRadioButton>(noms[(k / 3) * 3 + (k + 1) % 3])->setChecked(true);
        EXPECT_FALSE(w->Session().Choisie(o));
        Get<QRadioButton>(noms[k])->setChecked(true);
        EXPECT_TRUE(w->Session().Choisie(o));
        (w->Surface().*primitive[k / 3])();
        EXPECT_EQ(LastLine(), lignes[k / 3][k % 3]);
    }
    bool dedans = false;
    QTimer::singleShot(0, w.get(), [&] { dedans = w->EnCommande(); });
    w->Surface().DoEvents();
    EXPECT_TRUE(dedans) << "the stages yield through the window's DoEvents";
}

TEST_F(Moves_, APrimitiveUsesTheLastSelectionOfItsAxis)
{
    CCUBECtrl reference;
    Press("HMD");
    EXPECT_EQ(Checked("OptHaut", "OptMil", "OptBas"), "OptMil");
    w->Session().HorizG_Click();
    EXPECT_EQ(LastLine(), "Horiz Milieu Gauche");

    // Other axes' buttons leave this axis' selection as it was.
    Press("TDM");
    Press("VHD");
    w->Session().FrontG_Click();
    EXPECT_EQ(LastLine(), "Trans Milieu Gauche");
    w->Session().HorizD_Click();
    EXPECT_EQ(LastLine(), "Horiz Milieu Droite");
    w->Session().VBas_Click();
    EXPECT_EQ(LastLine(), "Vert Droite Bas");

    for (auto [m, l, d] : {std::tuple{'H', 2, 1}, {'H', 2, 0}, {'T', 2, 0}, {'V', 1, 1}, {'T', 2, 1}, {'H', 2, 1},
                           {'V', 1, 0}})
        Apply(reference, {"", m, static_cast<int16_t>(l), static_cast<int16_t>(d), {}});
    EXPECT_EQ(Cube(), ReadCube(reference));
}

TEST_F(Moves_, WholeCubeTurnsLogTheFaceBroughtToTheFront)
{
    Press("Haut");
    EXPECT_EQ(LastLine(), "En haut  5");
    EXPECT_EQ(w->Session().FaceVue(), 5);
    Press("Bas");
    EXPECT_EQ(LastLine(), "En bas  2");
    EXPECT_EQ(w->Session().FaceVue(), 2);

    w->Session().Clear_Click();
    const CubeState start = Cube();
    for (int i = 0; i < 4; ++i)
        Press("Droite");
    EXPECT_EQ(Log(), QStringList({"A droite  1", "A droite  4", "A droite  3", "A droite  2"}));
    EXPECT_EQ(Cube(), start);
    for (int i = 0; i < 4; ++i)
        Press("Gauche");
    EXPECT_EQ(Log().mid(4), QStringList({"A gauche  3", "A gauche  4", "A gauche  1", "A gauche  2"}));
    EXPECT_EQ(Counter(), "8");
}

TEST_F(Moves_, WholeCubeTurnsMatchTheControlAndLeaveTheSelection)
{
    CCUBECtrl reference;
    std::mt19937 rng(11);
    const struct {
        const char* name;
        int16_t position;
        const char* text;
    } turns[] = {{"Haut", 5, "En haut "}, {"Bas", 0, "En bas "}, {"Gauche", 3, "A gauche "}, {"Droite", 1, "A droite "}};
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<std::size_t> pickTurn(0, 3), pickMove(0, Moves().size() - 1);
    for (int i = 0; i < 200; ++i) {
        const QString selection = Checked("OptGauche", "OptM", "OptDroit") + Checked("OptArr", "OptMi", "OptFront")
                                  + Checked("OptHaut", "OptMil", "OptBas");
        if (coin(rng)) {
            const auto& t = turns[pickTurn(rng)];
            Press(t.name);
            TurnWhole(reference, t.position);
            const int16_t front = reference.WichFace(2);
            ASSERT_EQ(LastLine(), QString::fromLatin1(t.text) + ' ' + QString::number(front));
            ASSERT_EQ(w->Session().FaceVue(), front);
            ASSERT_EQ(Checked("OptGauche", "OptM", "OptDroit") + Checked("OptArr", "OptMi", "OptFront")
                          + Checked("OptHaut", "OptMil", "OptBas"),
                      selection);
        } else {
            // After a whole-cube turn a layer move acts on the layer now at that place.
            const Move& m = Moves()[pickMove(rng)];
            Press(m.name);
            Apply(reference, m);
        }
        ASSERT_EQ(Cube(), ReadCube(reference));
    }
}

TEST_F(Moves_, InitGivesBackTheColoursKeepsTheFrontAndTheLog)
{
    w->Session().SeedMelange(3);
    Press("Melange");
    Press("Gauche");
    Press("Haut");
    const int16_t front = w->CUBE().WichFace(2);
    const QStringList log = Log();
    const QString counter = Counter();
    Press("Init");
    EXPECT_EQ(w->CUBE().WichFace(2), front);
    EXPECT_EQ(w->Session().FaceVue(), front);
    const CubeState s = Cube();
    for (int f = 0; f < 6; ++f)
        for (int16_t c : s.squares[static_cast<std::size_t>(f)])
            EXPECT_EQ(c, f);
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(Counter(), counter);
}

TEST_F(Moves_, ClearEmptiesTheLogAndShowsZero)
{
    Press("Clear");
    EXPECT_EQ(LogCount(*w), 0);
    EXPECT_EQ(Counter(), "0");
    Press("VBM");
    EXPECT_EQ(Counter(), "1");
    const CubeState turned = Cube();
    Press("Clear");
    EXPECT_EQ(Counter(), "0");
    EXPECT_EQ(Cube(), turned);
}

// The driver against a cube of our own: every member with its arguments in the right order.
TEST_F(Moves_, DriverCallsEveryMemberWithItsArgumentsInOrder)
{
    CCUBECtrl reference;
    CUBEDriver& d = w->CUBE();
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> six(0, 5), three(0, 2), nine(0, 8), two(0, 1), turns(1, 3);
    for (int i = 0; i < 100; ++i) {
        const auto f = static_cast<int16_t>(six(rng)), l = static_cast<int16_t>(three(rng)),
                   dir = static_cast<int16_t>(two(rng)), n = static_cast<int16_t>(turns(rng));
        switch (i % 5) {
        case 0: d.MvtV(l, dir, n); reference.MvtV(l, dir, n); break;
        case 1: d.MvtH(l, dir, n); reference.MvtH(l, dir, n); break;
        case 2: d.MvtT(l, dir, n); reference.MvtT(l, dir, n); break;
        case 3: d.AfficherFace(f); reference.AfficherFace(f); break;
        case 4: d.PlacerFace(f); reference.PlacerFace(f); break;
        }
        ASSERT_EQ(ReadCube(d), ReadCube(reference));
        const auto e = static_cast<int16_t>(nine(rng));
        ASSERT_EQ(d.GetElmt(f, e), reference.GetElmt(f, e));
        ASSERT_EQ(d.Relatif(f, static_cast<int16_t>(e / 3), static_cast<int16_t>(e % 3)),
                  reference.GetRelatif(f, static_cast<int16_t>(e / 3), static_cast<int16_t>(e % 3)));
    }
    // Writes: a face by reference, one square through the property put, a position.
    std::array<int16_t, 9> squares{5, 4, 3, 2, 1, 0, 1, 2, 3};
    d.SetFace(1, squares.data());
    reference.SetFace(1, squares.data());
    d.SetRelatif(4, 0, 2, 1);
    reference.SetRelatif(4, 0, 2, 1);
    EXPECT_EQ(ReadCube(d), ReadCube(reference));
    for (int16_t f = 0; f < 6; ++f)
        for (int16_t e = 0; e < 9; ++e)
            EXPECT_EQ(d.Relatif(f, e / 3, e % 3), reference.GetRelatif(f, e / 3, e % 3));
    std::array<int16_t, 9> back{};
    back.fill(-7);
    d.GetFace(1, back.data());
    EXPECT_EQ(back, squares);
    EXPECT_EQ(d.Couleur(3), 1);
    EXPECT_EQ(d.WichFace(9), -1);
}

TEST(WindowFailure, AFailedCallEndsTheProgramNamingTheError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Merlo w;
            // The control answers E_FAIL once its widget is gone.
            delete w.CUBE1;
            w.Session().VBas_Click();
        },
        testing::ExitedWithCode(1), "Automation error E_FAIL \\(0x80004005\\) in MvtV");
}

} // namespace
