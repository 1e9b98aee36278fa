// The window's one table of commands. Each command is a QAction (object name, text, key, tooltip,
// status tip) entered once, with the menu it goes in; the menu bar, the log's context menu and the
// keys are all made from the table, and the help's table of keys is checked against it. The
// window's buttons trigger actions of the table too, so a key does exactly what a click does.
#pragma once

#include "Notation.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

#include <array>
#include <functional>

class QAbstractButton;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

class TableCommandes : public QObject {
    Q_OBJECT

public:
    // The menus of the bar, in their order on it.
    enum Menu { Fichier, Cube, Edition, Resolution, Affichage, AideMenu, NombreMenus };

    // The bar goes at the top of `fenetre`; `journal` gets the context menu.
    TableCommandes(QWidget* fenetre, QWidget* journal);

    // Enters `action` in `menu` (and in the log's context menu when `dansJournal`). Its keys work
    // wherever the focus is in the window; a tooltip naming its key is added when it has none.
    QAction* Ajouter(Menu menu, QAction* action, bool dansJournal = false);
    QAction* Ajouter(QMenu* menu, QAction* action, bool dansJournal = false);
    // The same for a command made here: one line per command.
    QAction* Ajouter(Menu menu, const char* nom, const QString& texte, const QKeySequence& touche,
                     const QString& statut, std::function<void()> faire, bool dansJournal = false);
    // A line between groups of a menu (and of the log's menu).
    void Separer(Menu menu, bool dansJournal = false);
    // A menu inside `menu`, named `nom`, shown once it holds a command.
    QMenu* SousMenu(Menu menu, const char* nom, const QString& titre);

    // The command behind a button of the window, entered once: the button triggers the action
    // (named as the button), which carries the button's key, its words for a menu and its tooltip.
    // A menu entry for the command is that action, entered with Ajouter().
    QAction* Bouton(QAbstractButton* bouton, std::function<void()> faire);
    // The same for a command of a control that is no button (the log's removal of a line).
    QAction* Entrer(QAction* action);
    // The action of the button of that objectName, or nullptr.
    QAction* ActionBouton(const QString& nom) const { return m_Boutons.value(nom); }
    // The key of a turn: its letter in cube notation, with Shift for the reverse.
    static QKeySequence Touche(notation::Turn t);
    // The key of the button of that objectName: a turn's letter, or its own; none for most.
    static QKeySequence ToucheBouton(QStringView nom);

    QMenuBar* Barre() const { return m_Barre; }
    QMenu* MenuDe(Menu m) const { return m_Menus[static_cast<std::size_t>(m)]; }
    // Every command entered in a menu, in the order entered.
    const QList<QAction*>& Actions() const { return m_Actions; }

private:
    QWidget* m_Fenetre;
    QWidget* m_Journal;
    QMenuBar* m_Barre;
    std::array<QMenu*, NombreMenus> m_Menus{};
    QList<QAction*> m_Actions;
    QHash<QString, QAction*> m_Boutons;
};
