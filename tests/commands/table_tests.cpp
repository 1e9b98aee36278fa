// The table of commands: the menu bar and the help's keys made from it, and the rough edges a new
// user met, each by a case of its own.
#include "clipboard_support.h"

#include "Aide.h"
#include "Conseil.h"
#include "EditeurCouleurs.h"
#include "Legendes.h"
#include "Marques.h"
#include "Notation.h"
#include "PositionCube.h"
#include "TableCommandes.h"
#include "Traductions.h"
#include "random_pieces.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QShortcut>

#include <set>

namespace {

using Table = OnWindow;

// The keys of the help's table under "The keyboard" ("Le clavier"), one row per command, named as
// Qt names them in any language.
std::set<QString> HelpKeys()
{
    const QString text = Aide::Texte();
    const bool fr = text.startsWith(QLatin1String("# Aide"));
    const qsizetype at = text.indexOf(fr ? QStringLiteral("## Le clavier") : QStringLiteral("## The keyboard"));
    EXPECT_GE(at, 0);
    std::set<QString> keys;
    const QStringList lines = text.mid(at).split(QLatin1Char('\n'));
    for (const QString& l : lines.mid(1)) {
        if (l.startsWith(QStringLiteral("## ")))
            break;
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^\\| ([^|]+) \\|")).match(l);
        if (!m.hasMatch() || m.captured(1) == QLatin1String(fr ? "Touche" : "Key") || m.captured(1).startsWith(QLatin1Char('-')))
            continue;
        for (QString k : m.captured(1).split(QStringLiteral(", "))) {
            if (fr)
                k.replace(QStringLiteral("Maj+"), QStringLiteral("Shift+"))
                    .replace(QStringLiteral("Suppr"), QStringLiteral("Delete"))
                    .replace(QStringLiteral("Retour arri\u00e8re"), QStringLiteral("Backspace"))
                    .replace(QStringLiteral("Gauche"), QStringLiteral("Left"))
                    .replace(QStringLiteral("Droite"), QStringLiteral("Right"))
                    .replace(QStringLiteral("Haut"), QStringLiteral("Up"))
                    .replace(QStringLiteral("Bas"), QStringLiteral("Down"));
            keys.insert(k.trimmed());
        }
    }
    return keys;
}

// A key as the help and the manual write it: Qt's name, but Delete in full.
QString Written(const QKeySequence& k)
{
    return k.toString(QKeySequence::PortableText).replace(QRegularExpression(QStringLiteral("\\bDel$")), QStringLiteral("Delete"));
}

TEST_F(Table, TheHelpsKeysAreTheCommandsKeys)
{
    std::set<QString> actions;
    for (const QAction* a : w->Commandes().Actions())
        for (const QKeySequence& k : a->shortcuts())
            actions.insert(Written(k));
    // The log's own keys, and the buttons' mnemonics ("&I"), not commands of the table.
    for (const char* k : {"Delete", "Backspace"})
        actions.insert(QString::fromLatin1(k));
    for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (!b->shortcut().isEmpty())
            actions.insert(Written(b->shortcut()));
    EXPECT_EQ(HelpKeys(), actions);
    // Every turn, both ways, and every key given to a button's command.
    EXPECT_GE(actions.size(), 2u * 11 + 12);
    for (const char* k : {"Ctrl+M", "Ctrl+R", "Ctrl+Delete", "Ctrl+1", "Ctrl+6", "Shift+F5", "Alt+I", "Shift+B"})
        EXPECT_EQ(actions.count(QString::fromLatin1(k)), 1u) << k;
    // The French help names the same keys.
    ASSERT_EQ(ChargerTraductions(QLocale(QStringLiteral("fr_FR"))), QLatin1String("fr"));
    const std::set<QString> fr = HelpKeys();
    ChargerTraductions(QLocale(QLocale::English));
    EXPECT_EQ(fr, actions);
}

// The keys merlos(6) lists under KEYS: one entry a paragraph, several joined by ", ".
std::set<QString> ManualKeys()
{
    QFile page(QStringLiteral(MERLO_SOURCE_DIR "/desktop/merlos.6.in"));
    EXPECT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    const qsizetype from = text.indexOf(QStringLiteral("\n.SH KEYS\n"));
    EXPECT_GE(from, 0);
    const QStringList lines = text.mid(from + 1, text.indexOf(QStringLiteral("\n.SH "), from + 1) - from).split(QLatin1Char('\n'));
    std::set<QString> keys;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i - 1] != QLatin1String(".TP"))
            continue;
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^\\.BR? (.+)$")).match(lines[i]);
        EXPECT_TRUE(m.hasMatch()) << lines[i].toStdString();
        for (const QString& k : m.captured(1).split(QRegularExpression(QStringLiteral("\\s*\"[^\"]*\"\\s*")), Qt::SkipEmptyParts))
            keys.insert(k.size() == 1 ? k.toUpper() : k);
    }
    return keys;
}

// Every key that does something in the window stands in the manual, and only those: the table's
// and the log's. The manual names a cube letter once, Shift turning the other way.
TEST_F(Table, TheManualNamesEveryKeyOfTheWindow)
{
    std::set<QString> window{"Delete", "Backspace"};
    for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (!b->shortcut().isEmpty())
            window.insert(Written(b->shortcut()));
    for (const QAction* a : w->Commandes().Actions())
        for (const QKeySequence& k : a->shortcuts())
            window.insert(Written(k).remove(QRegularExpression(QStringLiteral("^Shift\\+(?=.$)"))));
    EXPECT_EQ(ManualKeys(), window);
}

TEST_F(Table, EveryCommandStandsInTheMenuBarAndItsKeyWorks)
{
    auto* bar = w->findChild<QMenuBar*>(QStringLiteral("Menus"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry().top(), 0);
    EXPECT_LE(bar->geometry().bottom(), w->findChild<QWidget*>(QStringLiteral("Frame5"))->geometry().top());
    QStringList titles;
    for (QAction* m : bar->actions())
        titles << m->text().remove(QLatin1Char('&'));
    EXPECT_EQ(titles.mid(0, 4), QStringList({"File", "Cube", "Edit", "Solve"}));
    EXPECT_EQ(titles.last(), QStringLiteral("Help"));
    QSet<QAction*> inMenus;
    std::function<void(const QList<QAction*>&)> collect = [&](const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            inMenus.insert(a);
            if (a->menu())
                collect(a->menu()->actions());
        }
    };
    collect(bar->actions());
    for (QAction* a : w->Commandes().Actions()) {
        EXPECT_TRUE(inMenus.contains(a)) << a->objectName().toStdString();
        EXPECT_FALSE(a->statusTip().isEmpty()) << a->objectName().toStdString();
    }
    // Every button's command is in a menu, as the button's own action.
    QStringList buttons;
    for (const legendes::Legende& l : legendes::Toutes())
        buttons << QLatin1String(l.nom);
    for (int t = 0; t < notation::TurnCount; ++t)
        buttons << QLatin1String(notation::Info(static_cast<notation::Turn>(t)).button);
    ASSERT_EQ(buttons.removeDuplicates(), 4);
    for (const QString& b : buttons) {
        ASSERT_NE(Get(b.toLatin1().constData()), nullptr);
        EXPECT_TRUE(inMenus.contains(w->Commandes().ActionBouton(b))) << b.toStdString();
    }
    // The stages in their order, each with what it does.
    QStringList stages;
    for (QAction* a : w->Commandes().MenuDe(TableCommandes::Resolution)->actions())
        if (!a->isSeparator())
            stages << a->text();
    EXPECT_EQ(stages.mid(0, 6), QStringList({"FaceH \u2014 make the top face one colour",
                                             "Arretes \u2014 bring the top edges over their side centres",
                                             "Coins \u2014 place the top corners",
                                             "Zone M \u2014 complete the middle layer (E in notation)",
                                             "Face B (the bottom) \u2014 turn the cube over and finish it",
                                             "T \u2014 finish the top face when only its corners are wrong"}));
    Action("CopierMouvements"); // the log's menu holds the table's actions
    for (QAction* a : w->Commandes().Actions())
        if (a->objectName() == QLatin1String("Melange"))
            a->trigger();
    EXPECT_EQ(LogCount(*w), 31);
    EXPECT_EQ(LogData(*w, 0, marques::RoleCommande).toString(), QStringLiteral("Melange"));
}

// --- rough edges ---------------------------------------------------------------------------------

TEST_F(Table, A54LetterPositionInSmallLettersIsSetUp)
{
    std::mt19937 rng(54);
    const notation::Position p = notation::PositionOf(notationtest::RandomPieces(rng));
    Press("HHD");
    Paste(notation::WritePosition(p).toLower());
    EXPECT_EQ(notation::WritePosition(LirePosition(w->CUBE())), notation::WritePosition(p)) << Notice().toStdString();
    EXPECT_EQ(LogCount(*w), 0);
}

TEST_F(Table, RightClickingTheLogKeepsTheSelectionThatIReads)
{
    for (const char* b : {"HHD", "VBD", "TDF", "HGB"})
        Press(b);
    SelectRow(*w, 1);
    const QRect first = w->List1->visualRect(RowIndex(*w, 3));
    QTest::mousePress(w->List1->viewport(), Qt::RightButton, {}, first.center());
    QTest::mouseRelease(w->List1->viewport(), Qt::RightButton, {}, first.center());
    ASSERT_EQ(SelectedCount(*w), 1);
    EXPECT_EQ(SelectedRow(*w), 1);
    // The left button still chooses a line.
    QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(SelectedRow(*w), 3);
}

TEST_F(Table, CopyingSimplifiedWithNothingToCopyEmptiesTheClipboardAndSaysSo)
{
    for (const char* moves : {"", "R R'", "x y"}) {
        SCOPED_TRACE(moves);
        Press("Clear");
        if (*moves)
            Paste(QString::fromLatin1(moves));
        QGuiApplication::clipboard()->setText(QStringLiteral("old text"));
        Action("CopierSimplifie")->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
        EXPECT_TRUE(Notice().contains(QStringLiteral("clipboard is empty"))) << Notice().toStdString();
    }
}

TEST_F(Table, TheNoteScalesWithTheWindowAndWrapsAPosition)
{
    w->resize(w->size() * 2);
    w->DoEvents();
    Action("CopierPosition")->trigger();
    auto* note = w->findChild<QLabel*>(QStringLiteral("Avis"));
    ASSERT_TRUE(note->isVisible());
    EXPECT_EQ(note->font().pixelSize(), w->font().pixelSize());
    EXPECT_EQ(note->font().pixelSize(), 22);
    // The whole note inside the window, on more than one line.
    EXPECT_TRUE(w->rect().contains(note->geometry()));
    EXPECT_GT(note->height(), 2 * note->fontMetrics().lineSpacing());
    EXPECT_LE(note->sizeHint().width(), note->width() + 1);
}

TEST_F(Table, AGlyphTheFontLacksIsNamedByItsCodePoint)
{
    Paste(QStringLiteral("R U \U0001F600"));
    EXPECT_TRUE(Notice().contains(QStringLiteral("U+1F600"))) << Notice().toStdString();
    EXPECT_EQ(LogCount(*w), 0);
}

} // namespace

namespace {

TEST_F(Table, TheColourEditorSaysHowToHoldTheCubeAndBlamesAFaceReadTurnedRound)
{
    Action("EntrerCouleurs")->trigger();
    auto* editor = w->findChild<EditeurCouleurs*>(QStringLiteral("EditeurCouleurs"));
    ASSERT_NE(editor, nullptr);
    QStringList texts;
    for (const QLabel* l : editor->findChildren<QLabel*>())
        texts << l->text();
    EXPECT_TRUE(texts.join('\n').contains(QStringLiteral("Bottom (yellow)"))) << texts.join('\n').toStdString();
    EXPECT_TRUE(texts.join('\n').contains(QStringLiteral("Back (blue)")));
    const QString hint = QStringLiteral("A face painted the wrong way round is the likely cause");
    const notation::Position solved = notation::Position::Solved();
    // The corner at up, right and front twisted in its place.
    notation::Position twisted = solved;
    twisted.colour[8] = solved.colour[20];
    twisted.colour[9] = solved.colour[8];
    twisted.colour[20] = solved.colour[9];
    // The edges at up-front and up-right swapped.
    notation::Position swapped = solved;
    std::swap(swapped.colour[19], swapped.colour[10]);
    // A square painted the wrong colour: no such piece, and nothing to do with how it was held.
    notation::Position wrong = solved;
    wrong.colour[0] = solved.colour[27];
    for (const auto& [p, says] : {std::pair{twisted, true}, std::pair{swapped, true}, std::pair{wrong, false}}) {
        editor->Net()->SetPosition(p);
        EXPECT_FALSE(editor->Fautes().isEmpty());
        EXPECT_EQ(editor->Fautes().join('\n').contains(hint), says) << editor->Fautes().join('\n').toStdString();
    }
    editor->Net()->SetPosition(notation::Position::Solved());
    EXPECT_FALSE(editor->Fautes().join('\n').contains(hint));
}

TEST_F(Table, ThePlayMovesDialogOpensBesideTheCubeAndShowsItsWholeMessage)
{
    Action("SaisirMouvements")->trigger();
    auto* dialog = w->findChild<QDialog*>(QStringLiteral("SaisieMouvements"));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    const QRect cube(w->CUBE1->mapToGlobal(QPoint(0, 0)), w->CUBE1->size());
    EXPECT_FALSE(dialog->frameGeometry().intersects(cube));
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Mouvements"));
    auto* message = dialog->findChild<QLabel*>(QStringLiteral("EtatMouvements"));
    field->setText(QStringLiteral("R U R' U' ") + QString(300, QLatin1Char('(')));
    EXPECT_GE(message->height(), message->heightForWidth(message->width())) << message->text().toStdString();
    EXPECT_GT(message->heightForWidth(message->width()), message->fontMetrics().lineSpacing());
}

} // namespace

namespace {

// The help's table of what each stage needs agrees with the note a stage gives when it cannot start.
TEST(StageOrder, TheHelpNamesTheStageEachNoteAsksFor)
{
    const QString text = Aide::Texte();
    const struct {
        Etape etape;
        const char* caption;
        Avancement avant; // a cube not ready for it
    } stages[] = {
        {Etape::Arretes, "Arretes", {}},
        {Etape::Coins, "Coins", {.faceHaut = true}},
        {Etape::ZoneM, "Zone M", {}},
        {Etape::FaceB, "Face B", {}},
    };
    for (const auto& s : stages) {
        SCOPED_TRACE(s.caption);
        const QRegularExpressionMatch row =
            QRegularExpression(QStringLiteral("\\n\\| %1 \\| [^|]*\\((\\S+) done\\) \\|").arg(QLatin1String(s.caption))).match(text);
        ASSERT_TRUE(row.hasMatch());
        const QString note = Conseil(s.etape, s.avant);
        EXPECT_TRUE(note.contains(QStringLiteral("Press \u201c%1\u201d first.").arg(row.captured(1)))) << note.toStdString();
    }
    // What stage needs nothing before it, and what T needs, in words.
    EXPECT_TRUE(text.contains(QStringLiteral("| FaceH | always |")));
    EXPECT_TRUE(Conseil(Etape::FaceH, {}).isEmpty());
}

} // namespace
