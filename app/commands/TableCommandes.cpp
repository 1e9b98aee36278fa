#include "TableCommandes.h"

#include "Legendes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

// The keys of the buttons that turn no layer; a turn's key is its letter (Touche()). Kept clear of
// File's (Ctrl+O, Ctrl+S, Ctrl+Alt+S) and of every other command's: a test holds them all apart.
constexpr struct {
    const char* bouton;
    QKeyCombination touche;
} TouchesBoutons[] = {
    {"Melange", Qt::CTRL | Qt::Key_M},
    {"Init", Qt::CTRL | Qt::Key_R},
    {"Clear", Qt::CTRL | Qt::Key_Delete},
    // The stages in the order they are pressed.
    {"RangerHaut", Qt::CTRL | Qt::Key_1},
    {"IdM", Qt::CTRL | Qt::Key_2},
    {"IdC", Qt::CTRL | Qt::Key_3},
    {"RangerM", Qt::CTRL | Qt::Key_4},
    {"FaceB", Qt::CTRL | Qt::Key_5},
    {"UneFace", Qt::CTRL | Qt::Key_6},
};

} // namespace

TableCommandes::TableCommandes(QWidget* fenetre, QWidget* journal)
    : QObject(fenetre), m_Fenetre(fenetre), m_Journal(journal)
{
    m_Barre = new QMenuBar(fenetre);
    m_Barre->setObjectName(QStringLiteral("Menus"));
    // The desktop's own font, not the small one the window's layout was drawn for and scales.
    QFont police = QApplication::font(m_Barre);
    police.setFamily(police.family());
    police.setPointSizeF(police.pointSizeF() > 0 ? police.pointSizeF() : 9);
    m_Barre->setFont(police);
    const QString titres[NombreMenus] = {tr("&File"), tr("&Cube"), tr("&Edit"), tr("&Solve"), tr("&View"), tr("&Help")};
    const char* noms[NombreMenus] = {"MenuFichier", "MenuCube", "MenuEdition", "MenuResolution", "MenuAffichage", "MenuAide"};
    for (int m = 0; m < NombreMenus; ++m) {
        QMenu* menu = m_Barre->addMenu(titres[m]);
        menu->setObjectName(QLatin1String(noms[m]));
        menu->setToolTipsVisible(true);
        // A menu shows once it holds a command.
        menu->menuAction()->setVisible(false);
        m_Menus[static_cast<std::size_t>(m)] = menu;
    }
    m_Journal->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QAction* TableCommandes::Ajouter(Menu menu, QAction* action, bool dansJournal)
{
    return Ajouter(MenuDe(menu), action, dansJournal);
}

QAction* TableCommandes::Ajouter(QMenu* menu, QAction* action, bool dansJournal)
{
    action->setShortcutContext(Qt::WindowShortcut);
    if (action->toolTip() == QString(action->text()).remove(QLatin1Char('&')) && !action->shortcut().isEmpty())
        action->setToolTip(tr("%1 (%2)").arg(action->toolTip(), action->shortcut().toString(QKeySequence::NativeText)));
    menu->addAction(action);
    menu->menuAction()->setVisible(true);
    // On the window too, so its keys work while no menu is open, and with the bar hidden.
    m_Fenetre->addAction(action);
    if (dansJournal)
        m_Journal->addAction(action);
    m_Actions << action;
    return action;
}

QAction* TableCommandes::Ajouter(Menu menu, const char* nom, const QString& texte, const QKeySequence& touche,
                                 const QString& statut, std::function<void()> faire, bool dansJournal)
{
    auto* a = new QAction(texte, this);
    a->setObjectName(QLatin1String(nom));
    a->setShortcut(touche);
    a->setStatusTip(statut);
    connect(a, &QAction::triggered, this, std::move(faire));
    return Ajouter(menu, a, dansJournal);
}

void TableCommandes::Separer(Menu menu, bool dansJournal)
{
    MenuDe(menu)->addSeparator();
    if (dansJournal) {
        auto* trait = new QAction(this);
        trait->setSeparator(true);
        m_Journal->addAction(trait);
    }
}

QMenu* TableCommandes::SousMenu(Menu menu, const char* nom, const QString& titre)
{
    QMenu* sous = MenuDe(menu)->addMenu(titre);
    sous->setObjectName(QLatin1String(nom));
    sous->setToolTipsVisible(true);
    return sous;
}

QAction* TableCommandes::Bouton(QAbstractButton* bouton, std::function<void()> faire)
{
    const QString nom = bouton->objectName();
    const QKeySequence touche = ToucheBouton(nom);
    // A caption's mnemonic ("&I" is Alt+I) stays the button's own: a menu shows it beside the
    // entry, after a tab, without binding it a second time.
    const QKeySequence montree = touche.isEmpty() ? bouton->shortcut() : touche;
    const QString texte = montree.toString(QKeySequence::NativeText);
    auto* a = new QAction(legendes::Entree(nom) + (touche.isEmpty() && !texte.isEmpty() ? QLatin1Char('\t') + texte : QString()), this);
    a->setObjectName(nom);
    a->setShortcut(touche);
    const QString bulle = legendes::Bulle(nom, texte);
    a->setToolTip(bulle);
    a->setStatusTip(bulle);
    bouton->setToolTip(bulle);
    if (bouton->accessibleDescription().isEmpty())
        bouton->setAccessibleDescription(bulle);
    connect(a, &QAction::triggered, this, std::move(faire));
    connect(bouton, &QAbstractButton::clicked, a, [a] { a->trigger(); });
    return Entrer(a);
}

QAction* TableCommandes::Entrer(QAction* action)
{
    action->setShortcutContext(Qt::WindowShortcut);
    if (!action->shortcut().isEmpty())
        m_Fenetre->addAction(action);
    m_Boutons.insert(action->objectName(), action);
    return action;
}

QKeySequence TableCommandes::Touche(notation::Turn t)
{
    const notation::TurnInfo& i = notation::Info(t);
    const auto cle = static_cast<Qt::Key>(Qt::Key_A + (QChar(QLatin1Char(i.letter)).toUpper().unicode() - 'A'));
    return i.prime ? QKeySequence(Qt::SHIFT | cle) : QKeySequence(cle);
}

QKeySequence TableCommandes::ToucheBouton(QStringView nom)
{
    if (const auto t = notation::FromButton(nom))
        return Touche(*t);
    for (const auto& b : TouchesBoutons)
        if (nom == QLatin1String(b.bouton))
            return QKeySequence(b.touche);
    return {};
}
