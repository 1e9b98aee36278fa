// Replay of the solution, step by step: the cube goes back to where it starts (the last scramble or
// paste, or a picked line) by turning it through the control without writing a line, then each
// step makes one move of what "Copy solution" copies, the cube held still; or, with "Replay the log
// as written" (View menu, remembered), one turn line of the log, whole-cube turns included. Forwards
// or back, by hand or at a pace. Whatever ends the replay (Esc, a step past the end, any command of
// the window, closing it) first puts back the cube of the log's end, so the cube and the log always
// agree outside a replay.
//
// Where it stands is a CurseurRelecture (no widgets), shown by a PanneauRelecture beside the cube
// and by the log's drawing (DelegueJournal). While it runs, the arrow keys, Space, Home, End, P and
// Esc belong to it; any other key or a click on the window ends it before that command runs.
#pragma once

#include "Contexte.h"
#include "CurseurRelecture.h"
#include "Notation.h"
#include "TableCommandes.h"

#include <QObject>
#include <QPointer>
#include <QTimer>


class AnimationTours;
class DelegueJournal;
class Disposition;
class PanneauRelecture;
class QAction;
class QWidget;

class Relecture : public QObject {
    Q_OBJECT

public:
    // Every step is shown turning on `animation`; the panel stands in the room `disposition` makes.
    Relecture(const Contexte& c, AnimationTours& animation, Disposition& disposition);
    ~Relecture() override;

    bool EnCours() const { return m_Curseur.EnCours(); }
    // From the log's line `ligne` on (see CurseurRelecture::Commencer; negative: the solution since
    // the last scramble). False, with a notice, when there is no move to replay or a command is still
    // running.
    bool Commencer(int ligne = -1);
    void Avancer();
    void Reculer();
    void AuDebut();
    void ALaFin();
    void Lecture(bool marche);
    bool EnLecture() const { return m_Minuteur.isActive(); }
    // Brings the cube back to the end of the log and leaves the replay. Nothing when none runs.
    // The history's "a command starts" signal connects here.
    void Terminer();

    // Moves made of all the solution's, and how many it holds (valid while replaying).
    int Faits() const { return m_Curseur.Faits(); }
    int Total() const { return m_Curseur.Total(); }
    int Premier() const { return m_Curseur.Premier(); }
    // The log line of the last turn made, or -1.
    int LigneFaite() const { return m_Curseur.LigneFaite(); }
    const CurseurRelecture& Curseur() const { return m_Curseur; }
    // Held still, or the log as written (the View menu's choice).
    relecture::Tenue LaTenue() const;

    // Milliseconds a move while playing, 200 to 3000, remembered.
    int Intervalle() const { return m_Minuteur.interval(); }
    void RegleIntervalle(int ms);

    // The log's commands of the replay.
    void Rejouer() { Commencer(-1); }
    void RejouerDepuis();
    void CopierSolution();
    void MontrerCoups(bool oui);

signals:
    // After every step and at the start and end.
    void Change();

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    QAction* Action(TableCommandes::Menu menu, const char* nom, const QString& texte, const QKeySequence& touche,
                    const QString& statut, bool dansJournal = true);
    void Montrer();
    void Montrer(const notation::Move& m);
    void Aller(int curseur);
    bool DansFenetre(QObject* objet) const;
    bool Touche(int cle);
    bool Clavier(QEvent* event);

    Contexte m_C;
    AnimationTours& m_Animation;
    CurseurRelecture m_Curseur;
    QAction* m_CommeEcrit = nullptr;
    PanneauRelecture* m_Panneau = nullptr;
    DelegueJournal* m_Delegue = nullptr;
    int m_Defilement = 0; // where the log was scrolled to
    QTimer m_Minuteur;
    // The control's widget: gone once the window is being destroyed, and with it the cube to restore.
    QPointer<QWidget> m_Cube;
};
