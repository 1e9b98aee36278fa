// Undoing the log (Inv, InvD), removing a line by double-click, and the scramble.
#include "window_support.h"

#include <QTest>

#include <random>
#include <set>

namespace {

// The line that undoes `line`, worked out from the text alone. A whole-cube turn is undone by the
// opposite turn, which logs the face that was at the front before: `frontBefore`.
QString Inverse(const QString& line, int frontBefore)
{
    const QString n = ' ' + QString::number(frontBefore);
    if (line.startsWith("En haut"))
        return "En bas " + n;
    if (line.startsWith("En bas"))
        return "En haut " + n;
    if (line.startsWith("A gauche"))
        return "A droite " + n;
    if (line.startsWith("A droite"))
        return "A gauche " + n;
    QStringList words = line.split(' ');
    QString& direction = words.last();
    static const std::map<QString, QString> opposite = {
        {"Droite", "Gauche"}, {"Gauche", "Droite"}, {"Haut", "Bas"}, {"Bas", "Haut"}};
    direction = opposite.at(direction);
    return words.join(' ');
}

// What Inv must append to `log`, which starts with the cube's front face `front0`: one inverse per
// turn line, last first, separators skipped.
QStringList Inverses(const QStringList& log, int front0)
{
    std::vector<int> frontBefore;
    int front = front0;
    for (const QString& line : log) {
        frontBefore.push_back(front);
        if (line.startsWith("En ") || line.startsWith("A "))
            front = line.right(1).toInt();
    }
    QStringList out;
    for (qsizetype i = log.size() - 1; i >= 0; --i)
        if (!log[i].startsWith('*'))
            out << Inverse(log[i], frontBefore[static_cast<std::size_t>(i)]);
    return out;
}

using Log_ = WindowTest;

const char* const arrows[] = {"HHD", "HGH", "HMD", "HGM", "HBD", "HGB", "VHG", "VBG", "VHM",
                              "VBM", "VHD", "VBD", "TDF", "TGF", "TDM", "TGM", "TDA", "TGA"};
const char* const wholeTurns[] = {"Haut", "Bas", "Gauche", "Droite"};
const char* const macroButtons[] = {"A", "B", "Ar", "CD", "CG", "PA", "PC"};

TEST_F(Log_, InvUndoesAnyMixAndAppendsTheInversesLastFirst)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        w = std::make_unique<Merlo>();
        std::mt19937 rng(seed);
        // Start from some cube, turned as a whole, with an empty log.
        w->Session().SeedMelange(seed * 1000);
        Press("Melange");
        Press(wholeTurns[seed % 4]);
        w->Session().Clear_Click();
        const CubeState start = Cube();
        const int front0 = w->CUBE().WichFace(2);

        std::uniform_int_distribution<int> kind(0, 9), a(0, 17), t(0, 3), m(0, 6), p(0, 3);
        for (int step = 0; step < 30; ++step) {
            switch (kind(rng)) {
            case 0: case 1: case 2: case 3: Press(arrows[a(rng)]); break;
            case 4: case 5: Press(wholeTurns[t(rng)]); break;
            case 6: case 7: Press(macroButtons[m(rng)]); break;
            case 8: {
                const int which = p(rng);
                which == 0 ? w->Session().MacroT1() : which == 1 ? w->Session().MacroT2() : which == 2 ? w->Session().MacroH1() : w->Session().MacroH2();
                break;
            }
            default:
                w->Session().SeedMelange(rng());
                Press("Melange");
            }
        }
        const QStringList log = Log();
        ASSERT_NE(Cube(), start);
        Press("Inv");
        EXPECT_EQ(Cube(), start);
        EXPECT_EQ(Log().mid(0, log.size()), log);
        EXPECT_EQ(Log().mid(log.size()), Inverses(log, front0));
        EXPECT_EQ(Counter(), QString::number(LogCount(*w)));
    }
}

TEST_F(Log_, InvOfBackSliceAndMiddleColumnLines)
{
    Press("TGA");
    w->OptFront->setChecked(true);
    Press("Inv");
    EXPECT_TRUE(w->OptArr->isChecked());
    EXPECT_EQ(LastLine(), "Trans " + kArriere + " Droite");

    Press("Clear");
    Press("VBM");
    w->OptGauche->setChecked(true);
    Press("Inv");
    EXPECT_TRUE(w->OptM->isChecked());
    EXPECT_EQ(LastLine(), "Vert Milieu Haut");
}

TEST_F(Log_, InvOfAWholeCubeTurnLogsTheFaceItBringsBack)
{
    const CubeState start = Cube();
    Press("Haut");
    Press("Droite");
    Press("Inv");
    EXPECT_EQ(Log(), QStringList({"En haut  5", "A droite  1", "A gauche  5", "En bas  2"}));
    EXPECT_EQ(Cube(), start);
}

TEST_F(Log_, InvOfOneMacroAppendsItsTurnsOnly)
{
    const CubeState start = Cube();
    Press("A");
    Press("Inv");
    EXPECT_EQ(Cube(), start);
    EXPECT_EQ(LogCount(*w), 17);
    EXPECT_EQ(Log().count("*--------"), 1);
    EXPECT_EQ(Counter(), "17");
}

TEST_F(Log_, InvOnAnEmptyLogDoesNothing)
{
    const CubeState start = Cube();
    Press("Inv");
    Press("InvD");
    EXPECT_EQ(LogCount(*w), 0);
    EXPECT_EQ(Counter(), "");
    EXPECT_EQ(Cube(), start);
}

TEST_F(Log_, InvDWalksUpTheLogOneLineAPress)
{
    const CubeState s0 = Cube();
    Press("HHD");
    const CubeState s1 = Cube();
    Press("VBG");
    const CubeState s2 = Cube();
    Press("TDM");
    ASSERT_EQ(SelectedCount(*w), 0);

    Press("InvD");
    EXPECT_EQ(Cube(), s2);
    EXPECT_EQ(LogCount(*w), 4);
    EXPECT_EQ(LastLine(), "Trans Milieu Gauche");
    ASSERT_EQ(SelectedCount(*w), 1);
    EXPECT_EQ(SelectedRow(*w), 1);

    Press("InvD");
    EXPECT_EQ(Cube(), s1);
    Press("InvD");
    EXPECT_EQ(Cube(), s0);
    EXPECT_EQ(SelectedCount(*w), 0);
    EXPECT_EQ(Log().mid(3), QStringList({"Trans Milieu Gauche", "Vert Gauche Haut", "Horiz Haut Gauche"}));

    // With nothing selected it starts again at the bottom: the undo of line 0, undone.
    Press("InvD");
    EXPECT_EQ(Cube(), s1);
    EXPECT_EQ(LastLine(), "Horiz Haut Droite");
    EXPECT_EQ(LogCount(*w), 7);
    EXPECT_EQ(Counter(), "7");
}

TEST_F(Log_, InvDStartsAtTheSelectedLineAndSpendsAPressOnASeparator)
{
    Press("PA");
    const CubeState afterPA = Cube();
    Press("HHD");
    const CubeState afterHHD = Cube();
    ASSERT_NE(afterHHD, afterPA);
    SelectRow(*w, 12); // the separator
    Press("InvD");
    EXPECT_EQ(Cube(), afterHHD); // nothing turned by the separator...
    EXPECT_EQ(LogCount(*w), 14);
    EXPECT_EQ(SelectedRow(*w), 11);
    Press("InvD"); // ...and the next press undoes the last turn of PA
    EXPECT_EQ(LastLine(), "Vert Droite Bas");
    EXPECT_EQ(LogCount(*w), 15);
}

TEST_F(Log_, LinesInAnotherFormOrCaseAreIgnored)
{
    const QStringList odd = {
        "Horiz haut Droite", "Horiz Haut droite", "vert Gauche Bas", "Vert gauche Bas", "Vert Gauche bas",
        "trans Front Droite", "Trans Arriere Gauche", "Trans ARRI\u00c8RE Gauche", "Trans Arrie\u0300re Gauche",
        "en haut  3", "EN BAS  2", "a gauche  1", "A Droite  4", "Vert", "Vert Gauc", "Vert Milieu",
        "Horiz", "Horiz Ba", "Horiz Milieu Dr", "Trans", "Trans Arri\u00e8r", "Trans Front Gau", "", " ",
        "Horiz  Bas Droite", "Vert Droite  Haut", "Trans Front  Gauche", "-*--------", "\U0001F600 Vert Gauche Bas",
    };
    const CubeState start = Cube();
    for (const QString& line : odd)
        w->Session().AjouterLigne(line);
    Press("Inv");
    EXPECT_EQ(LogCount(*w), odd.size());
    EXPECT_EQ(Cube(), start);
    for (int i = 0; i < odd.size(); ++i)
        w->Session().InverserOrdre(odd[i]);
    EXPECT_EQ(LogCount(*w), odd.size());
    EXPECT_EQ(Cube(), start);
}

TEST_F(Log_, PositionsCountCharactersNotBytesOrUnits)
{
    // A line read back must find "Gauche" after "Arrière", whose è is two bytes in UTF-8, and a
    // character outside the first plane counts once though it is two UTF-16 units.
    w->Session().InverserOrdre("Trans " + kArriere + " Gauche");
    EXPECT_EQ(LastLine(), "Trans " + kArriere + " Droite");
    const int before = LogCount(*w);
    w->Session().InverserOrdre(QString::fromUtf8("Trans Arri\xc3\xa8re Gauche"));
    EXPECT_EQ(LogCount(*w), before + 1);
    // One character outside the first plane in place of the blank: "Gauche" would stand at 13 if
    // units were counted; counted as characters the line has the form of a column turn.
    w->Session().InverserOrdre(QStringLiteral("Vert\U0001F600Gauche Bas"));
    EXPECT_EQ(LastLine(), "Vert Gauche Haut");
}

TEST_F(Log_, DoubleClickRemovesTheSelectedLineOnly)
{
    Press("HHD");
    Press("VBG");
    Press("TDM");
    const CubeState turned = Cube();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QTest::qWait(50); // the list lays its lines out a moment later
    const QPoint at = w->List1->visualRect(RowIndex(*w, 1)).center();
    // Through the window system, which makes the double click out of two presses, as on a screen.
    QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, w->List1->viewport()->mapTo(w.get(), at));
    EXPECT_EQ(Log(), QStringList({"Horiz Haut Droite", "Trans Milieu Droite"}));
    EXPECT_EQ(Counter(), "2");
    EXPECT_EQ(Cube(), turned);

    // Nothing selected: nothing removed, the counter shown again.
    w->List1->clearSelection();
    w->Session().List1_DblClick();
    EXPECT_EQ(LogCount(*w), 2);

    // Inv then undoes only what remains: the column turn stays, seen through the top layer's turn.
    Press("Inv");
    CCUBECtrl reference;
    reference.MvtH(0, 1, 1);
    reference.MvtV(0, 0, 1);
    reference.MvtH(0, 0, 1);
    EXPECT_EQ(Cube(), ReadCube(reference));
}

TEST_F(Log_, ScrambleLogsThirtyOneOuterTurnsAndInvUndoesIt)
{
    Press("HGM");
    w->Session().Clear_Click();
    const CubeState start = Cube();
    Press("Melange");
    EXPECT_EQ(LogCount(*w), 31);
    EXPECT_EQ(Counter(), "31");
    for (const QString& line : Log()) {
        EXPECT_FALSE(line.contains("Milieu")) << line.toStdString();
        EXPECT_FALSE(line.startsWith('*'));
    }
    Press("HMD");
    Press("Inv");
    EXPECT_EQ(Cube(), start);
    EXPECT_EQ(LogCount(*w), 64);
}

TEST_F(Log_, ScrambleLeavesTheLastLayerOfEachAxisSelected)
{
    for (uint64_t seed : {1u, 2u, 3u, 4u, 5u}) {
        w = std::make_unique<Merlo>();
        w->OptM->setChecked(true);
        w->OptMi->setChecked(true);
        w->OptMil->setChecked(true);
        w->Session().SeedMelange(seed);
        Press("Melange");
        QString v = "OptM", t = "OptMi", h = "OptMil";
        for (const QString& line : Log()) {
            if (line.startsWith("Vert"))
                v = line.contains("Gauche Haut") || line.contains("Gauche Bas") ? "OptGauche" : "OptDroit";
            else if (line.startsWith("Trans"))
                t = line.contains("Front") ? "OptFront" : "OptArr";
            else
                h = line.contains("Haut") ? "OptHaut" : "OptBas";
        }
        EXPECT_EQ(Checked("OptGauche", "OptM", "OptDroit"), v);
        EXPECT_EQ(Checked("OptArr", "OptMi", "OptFront"), t);
        EXPECT_EQ(Checked("OptHaut", "OptMil", "OptBas"), h);
    }
}

TEST_F(Log_, ScrambleIsSeededFromTheClockUnlessASeedIsGiven)
{
    w->Session().SeedMelange(42);
    Press("Melange");
    const QStringList first = Log();
    Press("Clear");
    w->Session().SeedMelange(42);
    Press("Melange");
    EXPECT_EQ(Log(), first);
    // The seed serves once; the next presses draw from the clock and differ.
    Press("Clear");
    Press("Melange");
    const QStringList second = Log();
    Press("Clear");
    Press("Melange");
    EXPECT_NE(Log(), second);
    EXPECT_NE(second, first);
}

TEST_F(Log_, ScrambleDrawsEveryOuterTurn)
{
    std::set<QString> seen;
    for (int i = 0; i < 10; ++i)
        Press("Melange");
    for (const QString& line : Log())
        seen.insert(line);
    EXPECT_EQ(seen.size(), 12u);
}

} // namespace
