// The menus as a person meets them: every button's entry pressed in its open menu does what the
// button does, every menu shows at the window's own size whatever the language and the font, and
// no key does two things.
#include "clipboard_support.h"

#include "Historique.h"
#include "TableCommandes.h"
#include "Traductions.h"
#include "Twips.h"

#include <QApplication>
#include <QMenu>
#include <QShortcut>
#include <QToolButton>

#include <map>

namespace {

// Every menu of the bar, and the menus inside them, in order.
QList<QMenu*> AllMenus(const QList<QAction*>& actions)
{
    QList<QMenu*> menus;
    for (QAction* a : actions)
        if (a->menu())
            menus << a->menu() << AllMenus(a->menu()->actions());
    return menus;
}

QMenuBar* Bar(QWidget& w) { return w.findChild<QMenuBar*>(QStringLiteral("Menus")); }

using Menus = OnWindow;

// Opens `menu` and clicks `entry` in it, as the mouse does; the menu closes, having run it.
void PressEntry(QMenu* menu, QAction* entry)
{
    // A menu runs nothing under a pointer that has not moved since it opened.
    QCursor::setPos(0, 0);
    menu->popup(QPoint(40, 40));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const QRect r = menu->actionGeometry(entry);
    ASSERT_FALSE(r.isEmpty());
    QTest::mouseMove(menu, r.center());
    QTest::mouseClick(menu, Qt::LeftButton, {}, r.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !menu->isVisible(); }, 10000));
}

// Each button's entry, pressed in its menu, then taken back and the button pressed instead: the
// same lines, counter and cube, whatever the button (a turn, a macro, a stage, the scramble, the
// log's buttons). Every button of the window has one.
TEST_F(Menus, EveryButtonsEntryDoesWhatItsButtonDoes)
{
    w->Session().SeedMelange(3);
    Press("Melange");
    int pressed = 0;
    for (QMenu* menu : AllMenus(Bar(*w)->actions()))
        for (QAction* entry : menu->actions()) {
            auto* button = w->findChild<QPushButton*>(entry->objectName());
            if (!button || w->Commandes().ActionBouton(entry->objectName()) != entry)
                continue;
            SCOPED_TRACE(entry->text().toStdString());
            const uint64_t seed = 100 + static_cast<uint64_t>(pressed++);
            const QStringList before = Log();
            const CubeState cube = Cube();
            const int step = w->Histoire().Index();
            w->Session().SeedMelange(seed);
            PressEntry(menu, entry);
            const QStringList byMenu = Log();
            const CubeState cubeByMenu = Cube();
            const QString counter = Counter();
            if (menu->objectName() == QLatin1String("MenuTours") || menu->objectName() == QLatin1String("MenuMacros"))
                EXPECT_GT(byMenu.size(), before.size());
            // A command that changed nothing is no step of Undo.
            if (w->Histoire().Index() != step)
                w->Histoire().Annuler();
            ASSERT_EQ(Log(), before);
            ASSERT_EQ(Cube(), cube);
            w->Session().SeedMelange(seed);
            button->click();
            EXPECT_EQ(Log(), byMenu);
            EXPECT_EQ(Cube(), cubeByMenu);
            EXPECT_EQ(Counter(), counter);
            // Inv and I after Clear have lines to undo.
            if (Log().isEmpty())
                Press("Melange");
        }
    // 18 arrows, 4 whole-cube turns, 7 macros, 6 stages, Melange, Init, Clear, Inv and I.
    EXPECT_EQ(pressed, 40);
}

// Every key the window answers, with what answers it: the commands' keys, the buttons'
// mnemonics, the log's own keys and the menu bar's titles.
std::map<QString, QStringList> KeysOf(Merlo& w)
{
    std::map<QString, QStringList> keys;
    auto take = [&](const QKeySequence& k, const QString& who) {
        if (!k.isEmpty())
            keys[k.toString(QKeySequence::PortableText)] << who;
    };
    QSet<QAction*> actions;
    for (QAction* a : w.actions() + w.List1->actions())
        actions.insert(a);
    for (QMenu* m : AllMenus(Bar(w)->actions()))
        for (QAction* a : m->actions())
            actions.insert(a);
    for (QAction* a : actions)
        for (const QKeySequence& k : a->shortcuts())
            take(k, a->objectName());
    for (QShortcut* s : w.findChildren<QShortcut*>())
        if (s->parentWidget() && s->parentWidget()->window() == &w)
            take(s->key(), s->objectName());
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        if (b->window() == &w)
            take(b->shortcut(), b->objectName());
    for (QAction* m : Bar(w)->actions())
        if (m->isVisible())
            take(QKeySequence::mnemonic(m->text()), m->text());
    take(QKeySequence(Qt::Key_Delete), QStringLiteral("List1"));
    take(QKeySequence(Qt::Key_Backspace), QStringLiteral("List1"));
    return keys;
}

TEST(MenuKeys, NoKeyDoesTwoThingsInEitherLanguage)
{
    for (const char* locale : {"en_US", "fr_FR"}) {
        SCOPED_TRACE(locale);
        ChargerTraductions(QLocale(QString::fromLatin1(locale)));
        Merlo w;
        const std::map<QString, QStringList> keys = KeysOf(w);
        for (const auto& [key, who] : keys)
            EXPECT_EQ(who.size(), 1) << key.toStdString() << ": " << who.join(QStringLiteral(", ")).toStdString();
        // The window's keys, the menus' titles' and the File menu's among them, kept apart.
        EXPECT_GE(keys.size(), 58u);
        for (const char* files : {"Ctrl+O", "Ctrl+S", "Ctrl+Alt+S", "Ctrl+Q"})
            EXPECT_EQ(keys.count(QString::fromLatin1(files)), 1u) << files;
    }
    ChargerTraductions(QLocale(QLocale::English));
}

// At the window's own size every menu of the bar shows in full, none behind the bar's "»", in both
// languages and with a larger desktop font; the drawn layout stays at its drawn scale, centred.
TEST(MenuBar, EveryMenuShowsAtTheWindowsOwnSize)
{
    const QFont font = QApplication::font();
    for (const char* locale : {"en_US", "fr_FR"})
        for (const double points : {0.0, 14.0}) {
            SCOPED_TRACE(std::string(locale) + " " + std::to_string(points));
            ChargerTraductions(QLocale(QString::fromLatin1(locale)));
            QFont larger = font;
            if (points > 0)
                larger.setPointSizeF(points);
            QApplication::setFont(larger);
            Merlo w;
            w.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
            QMenuBar* bar = Bar(w);
            int shown = 0;
            for (QAction* m : bar->actions()) {
                if (!m->isVisible())
                    continue;
                ++shown;
                const QRect g = bar->actionGeometry(m);
                EXPECT_FALSE(g.isEmpty()) << m->text().toStdString();
                EXPECT_TRUE(bar->rect().contains(g)) << m->text().toStdString();
            }
            EXPECT_GE(shown, 5);
            auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
            EXPECT_TRUE(!more || !more->isVisible());
            const QSize drawn = TailleDessin();
            EXPECT_EQ(w.height(), drawn.height() + bar->height());
            EXPECT_EQ(w.width(), std::max(drawn.width(), bar->sizeHint().width()));
            const QRect cube = Twips(360, 840, 3252, 3372);
            EXPECT_EQ(w.CUBE1->geometry(), cube.translated((w.width() - drawn.width()) / 2, bar->height()));
        }
    QApplication::setFont(font);
    ChargerTraductions(QLocale(QLocale::English));
}

} // namespace
