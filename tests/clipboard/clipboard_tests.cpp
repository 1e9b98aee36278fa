// Cube notation in and out of the real window: moves pasted and typed play through the buttons,
// the log copies out as moves that paste back to the same cube and log, and nothing bad on the
// clipboard changes anything.
#include "clipboard_support.h"

#include "Notation.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using Clipboard = OnWindow;

QStringList Without(QStringList log, const QString& line)
{
    log.removeAll(line);
    return log;
}

TEST_F(Clipboard, PastedMovesTurnTheCubeAsTheirButtonsDo)
{
    const QString text = QStringLiteral("F2 D' L2 B R' U2 // a scramble\nx r' [R, U] (M E S)2 y' z Bw2' [f: u]");
    Paste(text);
    const notation::Parsed p = notation::Parse(text);
    ASSERT_TRUE(p);
    Merlo pressed;
    for (notation::Turn t : p.turns)
        pressed.findChild<QPushButton*>(QLatin1String(notation::Info(t).button))->click();
    EXPECT_EQ(Cube(), ReadCube(pressed.CUBE()));
    QStringList log;
    for (int i = 0; i < LogCount(pressed); ++i)
        log << LogLine(pressed, i);
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(Counter(), QString::number(p.turns.size()));
}

TEST_F(Clipboard, WhatCannotBePlayedChangesNothingAndSaysWhy)
{
    Press("Melange");
    const CubeState cube = Cube();
    const QStringList log = Log();
    const struct {
        QString text;
        const char* says;
    } cases[] = {
        {QStringLiteral("R U Q R"), "line 1, column 5: 'Q' is not a move"},
        {QStringLiteral("(R U R' U'"), "line 1, column 1: '(' is never closed"},
        {QStringLiteral("(R U R' U')100000"), "more than 100,000 quarter turns"},
        {QStringLiteral("R ").repeated(150'000), "longer than 200,000 characters"},
        {QStringLiteral("  \n "), "no text"},
        {QStringLiteral("// only a comment"), "no moves"},
    };
    for (const auto& c : cases) {
        Paste(c.text);
        EXPECT_TRUE(Notice().contains(QLatin1String(c.says))) << Notice().toStdString();
        EXPECT_EQ(Cube(), cube);
        EXPECT_EQ(Log(), log);
        EXPECT_EQ(Counter(), "31");
    }
}

TEST_F(Clipboard, TheLogCopiedAsMovesPastesBackToTheSameCubeAndLog)
{
    w->Session().SeedMelange(99);
    for (const char* b : {"Melange", "Haut", "HHD", "HHD", "VBM", "Droite", "PA", "TGA", "TGA", "TGA", "Bas", "A"})
        Press(b);
    // With the focus in the log too, whose own Ctrl+C would copy just one line.
    w->List1->setFocus();
    SelectRow(*w, 3);
    Key(*w, Qt::Key_C);
    const QString moves = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(moves.contains(QLatin1String("U2'"))) << moves.toStdString();
    Merlo fresh;
    ASSERT_TRUE(Show(fresh));
    Key(fresh, Qt::Key_V);
    EXPECT_EQ(ReadCube(fresh.CUBE()), Cube());
    QStringList freshLog;
    for (int i = 0; i < LogCount(fresh); ++i)
        freshLog << LogLine(fresh, i);
    EXPECT_EQ(freshLog, Without(Log(), QStringLiteral("*--------")));

    // The log's lines as they read, one to a line.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    Action("CopierLignes")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Log().join('\n') + '\n');
}

// A scramble and its five-stage solution, simplified, is a solution on its own: pasted onto a new
// cube, it leaves every face one colour. MERLO_SIMPLIFY_SOLVES sets how many are measured.
TEST_F(Clipboard, TheSimplifiedLogOfASolveSolvesTheCubeInFewerMoves)
{
    const char* env = std::getenv("MERLO_SIMPLIFY_SOLVES");
    const int solves = env && std::atoi(env) > 0 ? std::atoi(env) : 10;
    long logTurns = 0, wholeTurns = 0, simplifiedMoves = 0, simplifiedQuarters = 0;
    for (int i = 0; i < solves; ++i) {
        Merlo m;
        m.Session().SeedMelange(4000 + uint64_t(i));
        for (const char* b : {"Melange", "RangerHaut", "IdM", "IdC", "RangerM", "FaceB"})
            m.findChild<QPushButton*>(QLatin1String(b))->click();
        QStringList log;
        for (int k = 0; k < LogCount(m); ++k)
            log << LogLine(m, k);
        const notation::Simplified s = notation::WriteSimplified(log.mid(31));
        logTurns += std::count_if(log.begin() + 31, log.end(), [](const QString& l) {
            const auto t = notation::FromLog(l);
            return t && *t < notation::Turn::Haut;
        });
        wholeTurns += std::count_if(log.begin() + 31, log.end(), [](const QString& l) {
            const auto t = notation::FromLog(l);
            return t && *t >= notation::Turn::Haut;
        });
        simplifiedMoves += s.moves;
        simplifiedQuarters += s.quarters;

        // The whole log, scramble and solution, from a solved cube: solved again, however held.
        Merlo again;
        ASSERT_TRUE(Show(again));
        QGuiApplication::clipboard()->setText(notation::WriteSimplified(log).text);
        Key(again, Qt::Key_V);
        CubeState c = ReadCube(again.CUBE());
        for (const auto& face : c.squares)
            ASSERT_TRUE(std::all_of(face.begin(), face.end(), [&](int16_t v) { return v == face[4]; })) << "solve " << i;
    }
    std::printf("[ simplify ] %d solves: log %.1f layer turns and %.1f whole-cube turns, simplified %.1f moves (%.1f "
                "quarter turns)\n",
                solves, double(logTurns) / solves, double(wholeTurns) / solves, double(simplifiedMoves) / solves,
                double(simplifiedQuarters) / solves);
    EXPECT_LT(simplifiedQuarters, logTurns);
}

TEST_F(Clipboard, MovesPastedDuringAStageAllLandAndTheLogStillUndoesEverything)
{
    w->Session().SeedMelange(7);
    Press("Melange");
    Press("Clear");
    const CubeState start = Cube();
    QGuiApplication::clipboard()->setText(QStringLiteral("(R U R' U')5 x y"));
    bool inStage = false, pastedInStage = false;
    // Fires at the stage's first yield, which is the first time the window takes events again.
    QTimer::singleShot(0, w.get(), [&] {
        pastedInStage = inStage;
        Action("CollerMouvements")->trigger();
    });
    inStage = true;
    Press("RangerHaut");
    inStage = false;
    ASSERT_TRUE(pastedInStage) << "the stage never let the window take events";
    const QStringList log = Log();
    // The pasted turns stand together in the log, each one there.
    const QStringList sexy = {"Vert Droite Haut", "Horiz Haut Gauche", "Vert Droite Bas", "Horiz Haut Droite"};
    const qsizetype at = log.indexOf(sexy[0]);
    ASSERT_GE(at, 0);
    QStringList want;
    for (int k = 0; k < 5; ++k)
        want << sexy;
    EXPECT_EQ(log.mid(at, 20), want);
    EXPECT_TRUE(log.at(at + 20).startsWith("En haut  ") && log.at(at + 21).startsWith("A gauche  "));
    Press("Inv");
    EXPECT_EQ(DifferentSquares(Cube(), start), 0);
}

TEST_F(Clipboard, ALongPasteKeepsTheWindowResponsive)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("(R U R' U')2502"));
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(0);
    QElapsedTimer t;
    t.start();
    Action("CollerMouvements")->trigger();
    const qint64 ms = t.elapsed();
    tick.stop();
    std::printf("[ paste ] 10,008 turns played in %lld ms; the window took events %d times meanwhile\n",
                static_cast<long long>(ms), ticks);
    EXPECT_EQ(LogCount(*w), 10'008);
    EXPECT_EQ(Counter(), "10008");
    EXPECT_EQ(DifferentSquares(Cube(), ReadCube(Merlo().CUBE())), 0) << "(R U R' U')6 restores, so 2502 of them do";
    // Never more than a fraction of a second without taking events.
    EXPECT_GE(ticks, static_cast<int>(ms / 250));
}

TEST_F(Clipboard, MovesTypedInTheirWindowAreReadAsTypedAndPlayedOnEnter)
{
    Key(*w, Qt::Key_L);
    auto* dialog = w->findChild<QDialog*>(QStringLiteral("SaisieMouvements"));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Mouvements"));
    auto* state = dialog->findChild<QLabel*>(QStringLiteral("EtatMouvements"));
    auto* play = dialog->findChild<QPushButton*>(QStringLiteral("JouerMouvements"));
    ASSERT_TRUE(field && state && play);
    QTest::keyClicks(field, "R U Q");
    EXPECT_EQ(state->text(), "line 1, column 5: 'Q' is not a move");
    EXPECT_FALSE(play->isEnabled());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(LogCount(*w), 0) << "letters typed here are not the window's keys, and nothing played";
    field->clear();
    QTest::keyClicks(field, "(R U R' U')3");
    EXPECT_TRUE(play->isEnabled());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(LogCount(*w), 12);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(LogCount(*w), 24);
    EXPECT_EQ(DifferentSquares(Cube(), ReadCube(Merlo().CUBE())), 0);
}

TEST_F(Clipboard, TheLogFollowsItsNewestLineUnlessScrolledBack)
{
    QScrollBar* bar = w->List1->verticalScrollBar();
    const auto lastInSight = [&] {
        const QModelIndex last = RowIndex(*w, LogCount(*w) - 1);
        return last.isValid() && w->List1->viewport()->rect().contains(w->List1->visualRect(last));
    };
    for (int i = 0; i < 3; ++i)
        Press("Melange");
    ASSERT_TRUE(QTest::qWaitFor(lastInSight, 5000)) << "after three scrambles the newest line is out of sight";

    // Scrolled back to read, with a line selected: new lines neither scroll nor select.
    SelectRow(*w, 5);
    bar->setValue(0);
    const int end = bar->maximum();
    Press("Melange");
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->maximum() > end; }, 5000));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(w->List1->currentIndex().row(), 5);
    // Back at the end, it follows again.
    bar->setValue(bar->maximum());
    Press("Melange");
    EXPECT_TRUE(QTest::qWaitFor(lastInSight, 5000));
    EXPECT_EQ(w->List1->currentIndex().row(), 5);
}

TEST_F(Clipboard, TheLogsMenuOffersEveryWayInAndOut)
{
    QStringList texts;
    for (QAction* a : w->List1->actions())
        if (!a->isSeparator())
            texts << QString(a->text()).remove(QLatin1Char('&')); // without the menu's underlined letters
    EXPECT_EQ(w->List1->contextMenuPolicy(), Qt::ActionsContextMenu);
    for (const char* t : {"Copy moves", "Copy moves, simplified", "Copy log lines", "Paste moves", "Play moves\u2026", "Copy position",
                          "Enter cube colours\u2026", "Help", "About Merlos"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
}

} // namespace
