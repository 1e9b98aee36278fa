// The window's commands in its table (menu bar, the log's context menu, keys), and those of cube
// notation and positions: copy the log as
// moves, simplified or as its lines, paste moves or a position, type moves to play, copy the
// position, enter a real cube's colours. Every turn goes through the buttons' commands.
#pragma once

#include "Contexte.h"
#include "TableCommandes.h"

#include <QObject>
#include <QPointer>

#include <functional>

class EditeurCouleurs;
class QAction;
class SaisieMouvements;

class MenuJournal : public QObject {
    Q_OBJECT

public:
    explicit MenuJournal(const Contexte& c);

    void CopierMouvements();
    void CopierSimplifie();
    void CopierLignes();
    void Coller();
    void Saisir();
    void CopierPosition();
    void EntrerCouleurs();
    void Aide();
    void APropos();

    // Shows a short notice in the window.
    void Annoncer(const QString& texte);

private:
    // The menus of the bar, in their order; the buttons' commands go in them as themselves.
    void MenuCube();
    void MenuEdition();
    void MenuResolution();
    void Bouton(TableCommandes::Menu menu, const char* nom);
    std::function<void()> Ici(void (MenuJournal::*faire)());

    Contexte m_C;
    QAction* m_Couleurs = nullptr;
    QPointer<SaisieMouvements> m_Saisie;
    QPointer<EditeurCouleurs> m_Editeur;
};
