// The help window and About: F1 opens one help window and raises it again, it finds text and goes
// with the main window; About tells the version CMake set, the licence, Qt and the module loaded.
#include "window_support.h"

#include "APropos.h"
#include "Aide.h"
#include "Bureau.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

namespace {

class Help : public WindowTest {
protected:
    bool ShowActive()
    {
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w.get());
    }
    QList<Aide*> HelpWindows() const { return w->findChildren<Aide*>(); }
    // Waits until the help window is shown and active.
    Aide* F1()
    {
        QTest::keyClick(w->windowHandle(), Qt::Key_F1);
        const QList<Aide*> all = HelpWindows();
        if (all.size() != 1)
            return nullptr;
        return QTest::qWaitForWindowExposed(all.front()) ? all.front() : nullptr;
    }
};

TEST_F(Help, F1OpensOneHelpWindowAndASecondF1RaisesTheSameOne)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    EXPECT_TRUE(HelpWindows().isEmpty());
    Aide* help = F1();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->windowTitle(), "Merlos Help");
    // The main window still works while the help is open.
    Press("HGH");
    EXPECT_EQ(LastLine(), "Horiz Haut Gauche");

    help->close();
    EXPECT_FALSE(help->isVisible());
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_EQ(F1(), help);
    EXPECT_TRUE(help->isVisible());
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_EQ(F1(), help);
    EXPECT_EQ(HelpWindows().size(), 1);
    // F1 changed nothing on the cube or the log.
    EXPECT_EQ(Log(), QStringList{"Horiz Haut Gauche"});
}

TEST_F(Help, ClosingTheMainWindowClosesTheHelp)
{
    CloseCatcher catcher;
    w->installEventFilter(&catcher);
    Aide* help = MontrerAide(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    w->close();
    EXPECT_EQ(catcher.closes, 1);
    EXPECT_FALSE(help->isVisible());
    // And it goes with the main window.
    QPointer<Aide> kept = help;
    w.reset();
    EXPECT_TRUE(kept.isNull());
}

TEST_F(Help, TheTextExplainsEveryButtonAndKeyAndReadsAsPlainText)
{
    const QString text = Aide::Texte();
    ASSERT_GT(text.size(), 2000);
    // Every caption of the window is explained ...
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
        const QString caption = b->text().remove(QLatin1Char('&'));
        if (!caption.isEmpty()) {
            EXPECT_TRUE(text.contains(caption)) << caption.toStdString();
        }
    }
    // ... and every key of the notation, the window's other keys and the log's menu.
    for (const char* s : {"U, Shift+U", "E, Shift+E", "D, Shift+D", "R, Shift+R", "M, Shift+M", "L, Shift+L",
                          "F, Shift+F", "S, Shift+S", "B, Shift+B", "| x |", "Shift+X", "| y |", "Shift+Y", "Alt+I",
                          "double-click", "Delete", "Backspace", "F1", "Ctrl+Q", "Ctrl+V", "Ctrl+C", "Ctrl+L",
                          "Ctrl+F", "F3", "Copy moves", "Copy moves, simplified", "Copy log lines", "Paste moves",
                          "Play moves…", "Copy position", "Enter cube colours…", "Set up", "About Merlos",
                          "white on top, green in front, red at the right", "31 random quarter turns",
                          "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB", "(R U R' U')3", "[R, U]", "[R: U]",
                          "Rw", "//"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
    // The stages in the order they are pressed.
    qsizetype at = 0;
    for (const char* stage : {"1. **FaceH**", "2. **Arretes**", "3. **Coins**", "4. **Zone M**", "5. **Face B**"}) {
        const qsizetype next = text.indexOf(QLatin1String(stage));
        EXPECT_GT(next, at) << stage;
        at = next;
    }
    // Plain text too: no markup but Markdown's, and lines a terminal shows whole.
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("<[a-zA-Z/]"))));
    for (const QString& line : text.split(QLatin1Char('\n')))
        EXPECT_LE(line.size(), 112) << line.toStdString();
}

TEST_F(Help, FindGoesFromPlaceToPlaceAndRoundAgain)
{
    if (!ShowActive())
        GTEST_SKIP() << "the window cannot become active on this platform";
    Aide* help = F1();
    ASSERT_NE(help, nullptr);
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    // Ctrl+F goes to the find field from anywhere in the help.
    help->Page->setFocus();
    QTest::keyClick(help->windowHandle(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), help->Recherche);
    QTest::keyClicks(help->Recherche, QStringLiteral("stage"));
    QTest::keyClick(help->Recherche, Qt::Key_Return);
    QTextCursor c = help->Page->textCursor();
    EXPECT_EQ(c.selectedText().toLower(), "stage");
    // Every further F3 finds the next place, until it comes round to the first again.
    const int first = c.selectionStart();
    const qsizetype places = help->Page->document()->toPlainText().count(QStringLiteral("stage"), Qt::CaseInsensitive);
    ASSERT_GE(places, 3);
    int previous = first;
    for (qsizetype n = 1; n < places; ++n) {
        QTest::keyClick(help->windowHandle(), Qt::Key_F3);
        const int now = help->Page->textCursor().selectionStart();
        EXPECT_GT(now, previous) << n;
        previous = now;
    }
    QTest::keyClick(help->windowHandle(), Qt::Key_F3);
    EXPECT_EQ(help->Page->textCursor().selectionStart(), first);
    EXPECT_FALSE(help->Etat->text().isEmpty()) << "coming round again says so";
    // Shift+F3 goes back.
    QTest::keyClick(help->windowHandle(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(help->Page->textCursor().selectionStart(), previous);

    help->Recherche->setText(QStringLiteral("no such words here"));
    EXPECT_FALSE(help->Suivant());
    EXPECT_TRUE(help->Etat->text().contains("not in the help")) << help->Etat->text().toStdString();
    // Esc closes the help.
    QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(Help, TheHelpScrollsWithTheKeyboard)
{
    Aide* help = MontrerAide(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    QScrollBar* bar = help->Page->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the text fits: nothing to scroll";
    EXPECT_EQ(bar->value(), 0) << "the help opens at its top";
    QTest::keyClick(help->Page, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    QTest::keyClick(help->Page, Qt::Key_End, Qt::ControlModifier);
    // The page lays itself out a piece at a time, and its height is a guess until it has: the
    // end is where the last piece puts it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->value() > bar->maximum() * 9 / 10; }, 10000))
        << bar->value() << " of " << bar->maximum();
    EXPECT_TRUE(help->Page->viewport()->rect().contains(help->Page->cursorRect())) << "the end is in sight";
}

// --- About ---------------------------------------------------------------------------------------

template <typename T>
QString TextOf(QDialog* d, const char* name)
{
    auto* c = d->findChild<T*>(QLatin1String(name));
    if (!c)
        return QStringLiteral("(no %1)").arg(QLatin1String(name));
    if constexpr (std::is_same_v<T, QPlainTextEdit>)
        return c->toPlainText();
    else
        return c->text();
}

TEST_F(Help, AboutTellsVersionLicenceQtAndTheModuleLoaded)
{
    QDialog* about = MontrerAPropos(w.get());
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    EXPECT_EQ(about->windowTitle(), "About Merlos");
    EXPECT_EQ(about->parentWidget(), w.get());
    // The version that project() in CMakeLists.txt set.
    EXPECT_EQ(TextOf<QLabel>(about, "AProposNom"), QStringLiteral("Merlos " MERLO_CMAKE_VERSION));
    const QString facts = TextOf<QLabel>(about, "AProposFaits");
    EXPECT_TRUE(facts.contains(QStringLiteral("Qt ") + QLatin1String(qVersion()))) << facts.toStdString();
    EXPECT_TRUE(facts.contains("MIT License")) << facts.toStdString();
    // The module this program really loaded: the one beside it, links resolved.
    const QString module = QFileInfo(QDir(QStringLiteral(MERLO_BIN_DIR)).filePath("cube.ocx")).canonicalFilePath();
    ASSERT_FALSE(module.isEmpty());
    EXPECT_TRUE(facts.contains(QStringLiteral("Control module: ") + module)) << facts.toStdString();
    const QString licence = TextOf<QPlainTextEdit>(about, "AProposLicence");
    EXPECT_TRUE(licence.startsWith("MIT License")) << licence.toStdString();
    EXPECT_TRUE(licence.contains("Copyright (c) 2026 The Merlos developers"));
    about->close();
}

TEST_F(Help, AboutOpensFromTheHelpWindow)
{
    Aide* help = MontrerAide(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    QPushButton* button = help->findChild<QPushButton*>("AideAPropos");
    ASSERT_NE(button, nullptr);
    button->click();
    auto* about = help->findChild<QDialog*>("APropos");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(TextOf<QLabel>(about, "AProposNom"), QStringLiteral("Merlos " MERLO_CMAKE_VERSION));
    QPointer<QDialog> gone = about;
    about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull()) << "a closed About is deleted, not kept";
}

TEST_F(Help, TheWindowsShowTheProgramsIconAtEverySize)
{
    const QIcon icon = w->windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), IconeMerlos().availableSizes());
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    // A real picture: the white top face of the cube at the top, green and red below.
    const QImage big = icon.pixmap(128).toImage();
    EXPECT_EQ(big.pixelColor(64, 20).rgb() | 0xFF000000u, qRgb(255, 255, 255));
    EXPECT_FALSE(MontrerAide(w.get())->windowIcon().isNull());
}

} // namespace
