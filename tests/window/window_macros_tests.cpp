// The macros: what they log, the selection they leave, what they move on a solved cube, and their
// order.
#include "window_support.h"

#include <QTextStream>

#include <functional>

namespace {

struct Macro {
    const char* name;   // the button, or the procedure for those without one
    bool button;
    const char* moves;  // in arrow notation
    bool separator;
    // Options left selected per group (vertical, slice, horizontal); null where the group is unused.
    const char *v, *t, *h;
    int squaresMoved;   // on a solved cube
    int order;
};

const Macro macros[] = {
    {"A", true, "VHD HGH HGH VBD HHD VHD HHD VBD", true, "OptDroit", nullptr, "OptHaut", 18, 6},
    {"B", true, "VHG HHD HHD VBG HGH VHG HGH VBG", true, "OptGauche", nullptr, "OptHaut", 18, 6},
    {"Ar", true, "TDF HGH VHD HHD VBD TGF", true, "OptDroit", "OptFront", "OptHaut", 18, 6},
    {"CD", true, "VBD HGB VBD HGB VBD HBD VHD HBD VHD", true, "OptDroit", nullptr, "OptBas", 20, 4},
    {"CG", true, "VHD HBD VHD HBD VHD HGB VBD HGB VBD", true, "OptDroit", nullptr, "OptBas", 20, 4},
    {"PA", true, "VBD HGH VBD HHD VBD HHD VBD HGH VHD HGH VHD VHD", true, "OptDroit", nullptr, "OptHaut", 6, 3},
    {"PC", true, "VBD TDF VBD TDA TDA VHD TGF VBD TDA TDA VHD VHD", true, "OptDroit", "OptArr", nullptr, 9, 3},
    {"MacroT1", false, "VBD HHD HHD VHD HGH VBD HGH VHD", true, "OptDroit", nullptr, "OptHaut", 18, 6},
    {"MacroT2", false, "VBD HHD VHD HHD VBD HGH HGH VHD", true, "OptDroit", nullptr, "OptHaut", 18, 6},
    {"MacroH1", false, "VBD HGB VHD HGB TDF HGB HGB TGF", false, "OptDroit", "OptFront", "OptBas", 23, 6},
    {"MacroH2", false, "VBD HGM VHD VHD HMD HMD VBD", false, "OptDroit", nullptr, "OptMil", 12, 4},
};

QStringList Words(const char* s) { return QString::fromLatin1(s).split(' ', Qt::SkipEmptyParts); }

class Macros : public WindowTest {
protected:
    void Run(const Macro& m)
    {
        if (m.button) {
            Press(m.name);
            return;
        }
        const std::map<std::string, std::function<void()>> procedures = {
            {"MacroT1", [this] { w->Session().MacroT1(); }},
            {"MacroT2", [this] { w->Session().MacroT2(); }},
            {"MacroH1", [this] { w->Session().MacroH1(); }},
            {"MacroH2", [this] { w->Session().MacroH2(); }},
        };
        procedures.at(m.name)();
    }
    // The same moves, one arrow button after the other, in a second window.
    CubeState ByArrows(const Macro& m, QStringList* log)
    {
        Merlo other;
        for (const QString& move : Words(m.moves))
            other.findChild<QPushButton*>(move)->click();
        for (int i = 0; i < LogCount(other); ++i)
            log->append(LogLine(other, i));
        return ReadCube(other.CUBE());
    }
    QString Selection()
    {
        QStringList s;
        for (const char* n : {"OptGauche", "OptM", "OptDroit", "OptArr", "OptMi", "OptFront", "OptHaut", "OptMil",
                              "OptBas"})
            if (Get<QRadioButton>(n)->isChecked())
                s << n;
        return s.join(' ');
    }
};

TEST_F(Macros, EachDoesItsMovesLogsThemAndLeavesItsSelection)
{
    for (const Macro& m : macros) {
        SCOPED_TRACE(m.name);
        w = std::make_unique<Merlo>();
        // Start from a selection the macro must change wherever it uses an axis.
        w->OptM->setChecked(true);
        w->OptMi->setChecked(true);
        w->OptMil->setChecked(true);
        Run(m);
        QStringList expectedLog;
        const CubeState expected = ByArrows(m, &expectedLog);
        if (m.separator)
            expectedLog << "*--------";
        EXPECT_EQ(Cube(), expected);
        EXPECT_EQ(Log(), expectedLog);
        EXPECT_EQ(Counter(), QString::number(expectedLog.size()));
        // Groups the macro does not use keep the middle layers selected here.
        const QString selection = QStringList({m.v ? m.v : "OptM", m.t ? m.t : "OptMi", m.h ? m.h : "OptMil"}).join(' ');
        EXPECT_EQ(Selection(), selection);
    }
}

TEST_F(Macros, MoveTheRightNumberOfSquaresAndHaveTheirOrder)
{
    for (const Macro& m : macros) {
        SCOPED_TRACE(m.name);
        w = std::make_unique<Merlo>();
        // Every square gets a label of its own, so a square that moves shows even where its colour
        // would not have changed.
        for (int16_t f = 0; f < 6; ++f) {
            std::array<int16_t, 9> labels{};
            for (int16_t k = 0; k < 9; ++k)
                labels[static_cast<std::size_t>(k)] = static_cast<int16_t>(100 + 10 * f + k);
            w->CUBE().SetFace(f, labels.data());
        }
        const CubeState labelled = Cube();
        Run(m);
        EXPECT_EQ(DifferentSquares(Cube(), labelled), m.squaresMoved);

        w = std::make_unique<Merlo>();
        const CubeState solved = Cube();
        Run(m);
        for (int run = 2; run < m.order; ++run) {
            Run(m);
            EXPECT_NE(Cube(), solved) << "restored after " << run << " runs";
        }
        Run(m);
        EXPECT_EQ(Cube(), solved);
        const int lines = static_cast<int>(Words(m.moves).size()) + (m.separator ? 1 : 0);
        EXPECT_EQ(LogCount(*w), m.order * lines);
    }
}

TEST_F(Macros, PAThreeTimesRestoresInThirtyNineLines)
{
    const CubeState solved = Cube();
    for (int i = 0; i < 3; ++i)
        Press("PA");
    EXPECT_EQ(Cube(), solved);
    EXPECT_EQ(Counter(), "39");
    EXPECT_EQ(Log().count("*--------"), 3);
}

TEST_F(Macros, PAMovesOnlyThreeTopEdges)
{
    // Left edge to back, back to right, right to left, none flipped: the top squares of the edges
    // keep the top colour, and their side squares carry the colour of the face they came from.
    Press("PA");
    const CubeState s = Cube();
    const auto at = [&](int position, int square) {
        return s.squares[static_cast<std::size_t>(s.faceAt[static_cast<std::size_t>(position)])][static_cast<std::size_t>(square)];
    };
    for (int k : {1, 3, 5, 7})
        EXPECT_EQ(at(0, k), 0);
    EXPECT_EQ(at(4, 7), 1); // back edge's side square (stored half-turned) comes from the left
    EXPECT_EQ(at(3, 1), 4); // right from back
    EXPECT_EQ(at(1, 1), 3); // left from right
    EXPECT_EQ(at(2, 1), 2); // front untouched
}

TEST_F(Macros, PCLeavesOptArrAndTDFThenTurnsTheFront)
{
    Press("PC");
    EXPECT_TRUE(w->OptArr->isChecked());
    CCUBECtrl reference;
    const CubeState afterPC = Cube();
    Press("TDF");
    EXPECT_TRUE(w->OptFront->isChecked());
    EXPECT_EQ(LastLine(), "Trans Front Droite");
    // The front slice, not the back one, turned.
    Merlo other;
    other.findChild<QPushButton*>("PC")->click();
    ASSERT_EQ(ReadCube(other.CUBE()), afterPC);
    other.CUBE().MvtT(0, 0, 1);
    EXPECT_EQ(Cube(), ReadCube(other.CUBE()));
}

TEST_F(Macros, CDThenCGDoesNotRestore)
{
    const CubeState solved = Cube();
    Press("CD");
    Press("CG");
    EXPECT_NE(Cube(), solved);
    EXPECT_EQ(Counter(), "20");
}

TEST_F(Macros, MacroH2ChainsWithoutASeparator)
{
    w->Session().MacroH2();
    w->Session().MacroH1();
    EXPECT_EQ(Counter(), "15");
    EXPECT_EQ(Log().count("*--------"), 0);
}

} // namespace
