// Replay of the log, step by step: the cube goes back to before the log's first line (or a picked
// line) by turning it through the control without writing a line, then each step makes one turn
// of the log again, forwards or back, by hand or at a pace. Whatever ends the replay (Esc, a step
// past the end, any command of the window, closing it) first brings the cube back to the end of the
// log, so the cube and the log always agree outside a replay.
//
// Where it stands is a CurseurRelecture (no widgets), shown by a PanneauRelecture over the cube and
// by the log's drawing (DelegueJournal). While it runs, the arrow keys, Space, Home, End, P and Esc
// belong to it; any other key or a click on the window ends it before that command runs.
#pragma once

#include "Contexte.h"
#include "CurseurRelecture.h"
#include "Notation.h"
#include "TableCommandes.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class AnimationTours;
class DelegueJournal;
class PanneauRelecture;
class QAction;
class QWidget;

class Relecture : public QObject {
    Q_OBJECT

public:
    Relecture(const Contexte& c, AnimationTours& animation);
    ~Relecture() override;

    // Called after each step's turn with the turn the control has just made (the inverse of the
    // line's turn for a step back); the window connects them to its animation of turns. A jump
    // (Home, End, the end of the replay) calls `finir` first and shows no turn.
    std::function<void(notation::Turn)> montrer;
    std::function<void()> finir;

    bool EnCours() const { return m_Curseur.EnCours(); }
    // From the log's line `ligne` on (the first turn at or after it). False, with a notice, when
    // there is no turn to replay or a command is still running.
    bool Commencer(int ligne = 0);
    void Avancer();
    void Reculer();
    void AuDebut();
    void ALaFin();
    void Lecture(bool marche);
    bool EnLecture() const { return m_Minuteur.isActive(); }
    // Brings the cube back to the end of the log and leaves the replay. Nothing when none runs.
    // The history's "a command starts" signal connects here.
    void Terminer();

    // Steps done of all the log's turns, and how many turns the log holds (valid while replaying).
    int Faits() const { return m_Curseur.Faits(); }
    int Total() const { return m_Curseur.Total(); }
    int Premier() const { return m_Curseur.Premier(); }
    // The log line of the last turn made, or -1.
    int LigneFaite() const { return m_Curseur.LigneFaite(); }

    // Milliseconds a move while playing, 200 to 3000, remembered.
    int Intervalle() const { return m_Minuteur.interval(); }
    void RegleIntervalle(int ms);

    // The log's commands of the replay.
    void Rejouer() { Commencer(0); }
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
    void Aller(int curseur);
    bool DansFenetre(QObject* objet) const;
    bool Touche(int cle);
    bool Clavier(QEvent* event);

    Contexte m_C;
    CurseurRelecture m_Curseur;
    PanneauRelecture* m_Panneau = nullptr;
    DelegueJournal* m_Delegue = nullptr;
    int m_Defilement = 0; // where the log was scrolled to
    QTimer m_Minuteur;
    // The control's widget: gone once the window is being destroyed, and with it the cube to restore.
    QPointer<QWidget> m_Cube;
};
