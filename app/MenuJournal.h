// The log's context menu and the window's keys for cube notation: copy the log as moves, simplified
// or as its lines, paste moves, type moves to play. Every turn goes through the buttons' commands.
#pragma once

#include <QObject>
#include <QPointer>

class Avis;
class Merlo;
class QAction;
class SaisieMouvements;

class MenuJournal : public QObject {
public:
    explicit MenuJournal(Merlo& w);

    void CopierMouvements();
    void CopierSimplifie();
    void CopierLignes();
    void Coller();
    void Saisir();

    // Shows a short notice in the window.
    void Annoncer(const QString& texte);

private:
    QAction* Action(const char* nom, const QString& texte, const QKeySequence& touche, void (MenuJournal::*faire)());

    Merlo& m_W;
    Avis* m_Avis;
    QPointer<SaisieMouvements> m_Saisie;
};
