// "Solve in few moves" in the window: through the log's menu and its key, pressed twice, pressed in
// the middle of a stage, and the window gone while the tables are still being built.
#include "window_support.h"

#include "Historique.h"
#include "Marques.h"
#include "Notation.h"
#include "PositionCube.h"
#include "ResolutionCourte.h"
#include "ShortSolve.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

class ShortSolveWindow : public WindowTest {
protected:
    void SetUp() override
    {
        // The tables of this test's own cache; another test of the same process may have made them.
        qputenv("XDG_CACHE_HOME", m_Cache.path().toLocal8Bit());
        WindowTest::SetUp();
    }
    QAction* Resoudre()
    {
        for (QAction* a : w->List1->actions())
            if (a->objectName() == QLatin1String("ResoudreCourt"))
                return a;
        ADD_FAILURE() << "no action ResoudreCourt";
        return nullptr;
    }
    ResolutionCourte* Court() { return w->findChild<ResolutionCourte*>(); }
    QString Notice() { return w->findChild<QLabel*>(QStringLiteral("Avis"))->text(); }
    bool Solved() { return notation::HeldStandard(LirePosition(w->CUBE())) == notation::Position::Solved(); }

    // The command's lines are the log's new lines: arrow turns only, one per quarter turn.
    void ExpectSolvedBy(int from)
    {
        ASSERT_TRUE(Solved());
        const QStringList lines = Log().mid(from);
        for (const QString& l : lines) {
            const auto t = notation::FromLog(l);
            ASSERT_TRUE(t && *t < notation::Turn::Haut) << l.toStdString();
        }
        for (int i = from; i < LogCount(*w); ++i)
            EXPECT_EQ(LogData(*w, i, marques::RoleCommande).toString(), QStringLiteral("Court"));
        // As Ctrl+C copies them: a half turn's two lines are one move again.
        const int moves = int(notation::WriteLog(lines).split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        EXPECT_LE(moves, 20);
        EXPECT_TRUE(Notice().startsWith(QStringLiteral("Solved in %1 move").arg(moves))) << Notice().toStdString();
        EXPECT_EQ(w->CUBE1->cursor().shape(), Qt::ArrowCursor);
    }

    QTemporaryDir m_Cache;
};

TEST_F(ShortSolveWindow, ThroughTheMenuAndTheKeyASecondPressWaits)
{
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QAction* a = Resoudre();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(), QStringLiteral("Solve in few moves"));
    EXPECT_EQ(a->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_FALSE(a->toolTip().isEmpty());
    EXPECT_FALSE(a->statusTip().isEmpty());

    a->trigger();
    EXPECT_EQ(Notice(), QStringLiteral("The cube is already solved."));
    for (int round = 0; round < 3; ++round) {
        Press("Melange");
        const int from = LogCount(*w);
        if (round == 1) {
            QTest::keyClick(w->windowHandle(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            a->trigger();
            a->trigger(); // meanwhile: nothing more
        }
        if (Court()->EnCours()) {
            EXPECT_EQ(w->CUBE1->cursor().shape(), Qt::WaitCursor);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Court()->EnCours(); }, 30'000)) << "!Court()->EnCours()";
        ExpectSolvedBy(from);
    }
    // A cube a few moves from solved: the fewest moves.
    const int from = LogCount(*w);
    for (const char* b : {"VHD", "HHD", "TDF", "TDF"})
        Press(b);
    a->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Court()->EnCours(); }, 30'000)) << "!Court()->EnCours()";
    ExpectSolvedBy(from + 4);
    EXPECT_EQ(LogCount(*w), from + 8);
    // One step of Undo takes the whole solution back.
    w->Histoire().Annuler();
    EXPECT_EQ(LogCount(*w), from + 4);
    EXPECT_FALSE(Solved());
}

TEST_F(ShortSolveWindow, PressedDuringAStage)
{
    Press("Melange");
    // The press lands in the stage's first yield, while the stage turns the cube.
    QTimer::singleShot(0, w.get(), [this] { Resoudre()->trigger(); });
    Press("RangerHaut");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Court()->EnCours(); }, 30'000)) << "!Court()->EnCours()";
    // Either its moves were played in the stage's yield, or the stage had turned the cube meanwhile
    // and nothing was played; either way the next press solves the cube as it stands.
    const int from = LogCount(*w);
    Resoudre()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Court()->EnCours(); }, 30'000)) << "!Court()->EnCours()";
    if (LogCount(*w) > from)
        ExpectSolvedBy(from);
    else
        EXPECT_TRUE(Solved());
}

TEST_F(ShortSolveWindow, TheWindowGoesWhileTheTablesAreBuilt)
{
    const bool fresh = !shortsolve::TablesReady();
    Press("Melange");
    Resoudre()->trigger();
    if (fresh) {
        EXPECT_TRUE(Notice().startsWith(QStringLiteral("Preparing the solver's tables"))) << Notice().toStdString();
    }
    QElapsedTimer t;
    t.start();
    w.reset(); // stops the search and waits for it
    EXPECT_LT(t.elapsed(), 20'000);
    // The tables were finished and saved whole all the same.
    const shortsolve::TablesInfo& info = shortsolve::PrepareTables();
    EXPECT_NE(info.source, shortsolve::TablesInfo::MemoryOnly) << info.reason;
}

} // namespace
