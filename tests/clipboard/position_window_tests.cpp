// Positions in and out of the real window: pasted, entered in the colour editor, copied; and what
// the window says when a stage pressed out of order does nothing.
#include "clipboard_support.h"

#include "EditeurCouleurs.h"
#include "Position.h"
#include "random_pieces.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QToolButton>

namespace {

using notation::Position;

class Positions : public OnWindow {
protected:
    // The cube as the driver reads it, square by square in the format's order.
    static Position Read(Merlo& m)
    {
        Position p;
        for (int s = 0; s < notation::Squares; ++s) {
            const notation::CubeSquare at = notation::OnCube(s);
            int16_t face[9];
            m.CUBE().GetFace(m.CUBE().WichFace(int16_t(at.position)), face);
            p.colour[s] = static_cast<int8_t>(face[at.square]);
        }
        return p;
    }
};

TEST_F(Positions, APastedPositionIsSetUpExactlyWithAnEmptyLog)
{
    std::mt19937 rng(17);
    for (int i = 0; i < 20; ++i) {
        const Position p = notation::PositionOf(notationtest::RandomPieces(rng));
        Press("Melange");
        Press("Haut");
        Paste(*w, notation::WritePosition(p));
        ASSERT_EQ(Read(*w), p) << Notice().toStdString();
        EXPECT_EQ(LogCount(*w), 0);
        EXPECT_EQ(Counter(), "0");
        for (int16_t pos = 0; pos < 6; ++pos)
            EXPECT_EQ(w->CUBE().WichFace(pos), pos) << "held white up and green in front";
        // Every face, brought in view by whole-cube turns.
        Position seen = p;
        for (const char* turn : {"Haut", "Haut", "Gauche", "Haut", "Gauche"}) {
            Press(turn);
            seen = notation::Turned(seen, turn[0] == 'H' ? 'x' : 'y');
            EXPECT_EQ(Read(*w), seen) << turn;
        }
        // "Inv" brings back the entered position.
        Press("Inv");
        EXPECT_EQ(Read(*w), p);
    }
}

TEST_F(Positions, APositionThatCannotBeChangesNothingAndSaysWhy)
{
    Press("Melange");
    const CubeState cube = Cube();
    const QStringList log = Log();
    QString twisted = QStringLiteral("UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB");
    twisted[8] = 'R';
    twisted[9] = 'F';
    twisted[20] = 'U';
    Paste(*w, twisted);
    EXPECT_TRUE(Notice().contains("A corner is twisted")) << Notice().toStdString();
    Paste(*w, QStringLiteral("UUUUUUUUU RRRRRRRRR FFFFFFFFF"));
    EXPECT_TRUE(Notice().contains("54 letters")) << Notice().toStdString();
    EXPECT_EQ(Cube(), cube);
    EXPECT_EQ(Log(), log);
}

TEST_F(Positions, CopyPositionThenPasteOnANewWindowGivesTheSameCube)
{
    w->Session().SeedMelange(5);
    Press("Melange");
    Press("VBM"); // a slice: the centres move, and the letters follow them
    Action("CopierPosition")->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    ASSERT_EQ(text.size(), 54);
    Merlo other;
    ASSERT_TRUE(Show(other));
    Paste(other, text);
    Position there = Read(other);
    EXPECT_EQ(notation::WritePosition(there), text);
    // Without slices or whole-cube turns, the very same colours.
    Press("VHM");
    Action("CopierPosition")->trigger();
    Paste(other, QGuiApplication::clipboard()->text());
    EXPECT_EQ(Read(other), Read(*w));
}

TEST_F(Positions, TheColourEditorDrivenThroughItsWidgetsSetsUpAPosition)
{
    QTest::keyClick(w->windowHandle(), Qt::Key_E, Qt::ControlModifier);
    auto* editor = w->findChild<EditeurCouleurs*>(QStringLiteral("EditeurCouleurs"));
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
    Patron* net = editor->Net();
    auto* setUp = editor->findChild<QPushButton*>(QStringLiteral("Poser"));
    EXPECT_EQ(net->Position(), Position::Solved()) << "it starts from the cube as it stands";
    EXPECT_TRUE(setUp->isEnabled());

    editor->findChild<QPushButton*>(QStringLiteral("Vider"))->click();
    EXPECT_FALSE(setUp->isEnabled());
    EXPECT_EQ(editor->Fautes(), QStringList{"48 squares have no colour yet."});
    std::mt19937 rng(3);
    const Position want = notation::PositionOf(notationtest::RandomPieces(rng));
    int painted = 0;
    for (int s = 0; s < notation::Squares; ++s) {
        if (s % 9 == 4)
            continue;
        editor->findChild<QToolButton*>(QStringLiteral("Couleur%1").arg(want.colour[s]))->click();
        QTest::mouseClick(net, Qt::LeftButton, {}, net->RectCase(s).center());
        EXPECT_EQ(setUp->isEnabled(), ++painted == 48) << "square " << s;
    }
    EXPECT_EQ(net->Position(), want);
    // The keyboard alone: from the front's centre, left to its middle-row left square; paint it red
    // (or green), clear it, paint it back.
    const int other = want.colour[21] == 3 ? 2 : 3;
    // (A click on a centre only puts the focus square there.)
    QTest::mouseClick(net, Qt::LeftButton, {}, net->RectCase(22).center());
    EXPECT_EQ(net->Position(), want);
    net->setFocus();
    QTest::keyClick(net, Qt::Key_Left);
    QTest::keyClick(net, other == 3 ? Qt::Key_R : Qt::Key_G);
    EXPECT_EQ(net->Position().colour[21], other);
    EXPECT_FALSE(setUp->isEnabled());
    QTest::keyClick(net, Qt::Key_Delete);
    EXPECT_EQ(net->Position().colour[21], notation::NoColour);
    EXPECT_FALSE(setUp->isEnabled());
    editor->findChild<QToolButton*>(QStringLiteral("Couleur%1").arg(want.colour[21]))->click();
    net->setFocus();
    QTest::keyClick(net, Qt::Key_Space);
    ASSERT_TRUE(setUp->isEnabled());

    Press("Melange");
    setUp->click();
    EXPECT_EQ(Read(*w), want);
    EXPECT_EQ(Counter(), "0");
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(Positions, TheColourEditorMarksWhatCannotBe)
{
    Action("EntrerCouleurs")->trigger();
    auto* editor = w->findChild<EditeurCouleurs*>(QStringLiteral("EditeurCouleurs"));
    ASSERT_NE(editor, nullptr);
    Patron* net = editor->Net();
    // A white square where the front's top-right is: the top front right corner has white twice.
    editor->findChild<QToolButton*>(QStringLiteral("Couleur0"))->click();
    QTest::mouseClick(net, Qt::LeftButton, {}, net->RectCase(20).center());
    EXPECT_TRUE(editor->Fautes().contains("The corner at top front right has white, red and white: one colour twice."))
        << editor->Fautes().join('\n').toStdString();
    EXPECT_FALSE(editor->findChild<QPushButton*>(QStringLiteral("Poser"))->isEnabled());
    // A drag paints every square it passes.
    editor->findChild<QToolButton*>(QStringLiteral("Couleur2"))->click();
    QTest::mousePress(net, Qt::LeftButton, {}, net->RectCase(20).center());
    QMouseEvent move(QEvent::MouseMove, QPointF(net->RectCase(18).center()), net->mapToGlobal(QPointF(net->RectCase(18).center())),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(net, &move);
    QTest::mouseRelease(net, Qt::LeftButton, {}, net->RectCase(18).center());
    EXPECT_EQ(net->Position(), Position::Solved());
    EXPECT_TRUE(editor->findChild<QPushButton*>(QStringLiteral("Poser"))->isEnabled());
}

TEST_F(Positions, AStagePressedOutOfOrderSaysWhichToPressFirst)
{
    auto* notice = w->findChild<QLabel*>(QStringLiteral("Avis"));
    ASSERT_NE(notice, nullptr);
    w->Session().SeedMelange(1);
    Press("Melange");
    const struct {
        const char* button;
        const char* says;
    } early[] = {
        {"IdM", "\u201cArretes\u201d did nothing: it starts once the top face is one colour. Press \u201cFaceH\u201d first."},
        {"IdC", "\u201cCoins\u201d did nothing: it starts once the top face is one colour. Press \u201cFaceH\u201d first."},
        {"RangerM", "\u201cZone M\u201d did nothing: it starts once the top face is one colour. Press \u201cFaceH\u201d first."},
        {"FaceB", "\u201cFace B\u201d did nothing: it starts once the top face is one colour. Press \u201cFaceH\u201d first."},
        {"UneFace", "\u201cT\u201d did nothing: it finishes a top face whose corners alone are wrong. Press \u201cFaceH\u201d first."},
    };
    for (const auto& e : early) {
        const CubeState cube = Cube();
        const QStringList log = Log();
        notice->hide();
        Press(e.button);
        EXPECT_EQ(Cube(), cube) << e.button;
        EXPECT_EQ(Log(), log) << e.button;
        EXPECT_EQ(Notice(), QString::fromUtf8(e.says));
    }
    // In their order, every stage works, and none speaks but the last, which says the cube is solved.
    for (const char* b : {"RangerHaut", "IdM", "IdC", "RangerM", "FaceB"}) {
        notice->hide();
        const int lines = LogCount(*w);
        Press(b);
        EXPECT_GT(LogCount(*w), lines) << b;
        if (QLatin1String(b) != QLatin1String("FaceB"))
            EXPECT_FALSE(notice->isVisible()) << b << ": " << notice->text().toStdString();
    }
    EXPECT_TRUE(Notice().startsWith(QLatin1String("The cube is solved: "))) << Notice().toStdString();
    // Pressed again on the solved cube, a stage says there is nothing left.
    Press("RangerM");
    EXPECT_EQ(Notice(), "\u201cZone M\u201d had nothing to do: the middle layer is already complete. The cube is solved.");
}

} // namespace
