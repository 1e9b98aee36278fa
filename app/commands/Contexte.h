// What a room of the window works with: the session and its history, the table of commands, the
// note over the cube, and the few widgets it places things over or beside. The window fills one in
// and hands it over, so no room needs the window itself.
#pragma once

#include <functional>

class Avis;
class Historique;
class ModeleSession;
class QAbstractItemView;
class QWidget;
class TableCommandes;

struct Contexte {
    QWidget& fenetre;
    QWidget* cube;               // CUBE1
    QAbstractItemView* journal;  // List1
    ModeleSession& session;
    Historique& histoire;
    TableCommandes& commandes;
    Avis& avis;
    // Lets the window process what is pending once (its DoEvents), as the stages do; and whether a
    // command waits in it now.
    std::function<void()> ceder;
    std::function<bool()> enCommande;
};
