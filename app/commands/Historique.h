// Undo and Redo of whole commands. Every command of the window (a button, a key, a menu entry, a
// paste, a position set up) runs through Executer(), which records one step: the session before and
// after it, and of the log only the lines it replaced, so a long log is never copied per step.
#pragma once

#include "EtatSession.h"
#include "Journal.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <vector>

class ModeleSession;
class QAction;

class Historique : public QObject {
    Q_OBJECT

public:
    explicit Historique(ModeleSession& session, QObject* parent = nullptr);

    // Runs `faire` as one step named `texte` (what Undo and Redo say). A non-empty `marque` is
    // written (with a fresh run number) on every line the command appends that carries no mark yet.
    // A command started while another one runs (a click taken in the DoEvents of a stage or a long
    // paste) becomes part of the outer command's step, and its lines keep its own mark.
    void Executer(const QString& marque, const QString& texte, const std::function<void()>& faire);

    // Undo and Redo of the last step; they do nothing while a command runs.
    void Annuler();
    void Refaire();
    bool EnCours() const { return m_Profondeur > 0; }
    int Pas() const { return m_Pile.count(); }
    int Index() const { return m_Pile.index(); }

    // The session replaced as a whole (a file opened, work restored): `faire` runs after the usual
    // AvantCommande, and no step leads back across it afterwards. Marks go on numbering runs above
    // the highest the new session holds.
    void Recommencer(const std::function<void()>& faire);
    // Whether the session is as it was last saved: true marks it so (Save, Open); false marks work
    // that no step leads back to saved (restored after a crash).
    bool Propre() const { return m_Pile.isClean(); }
    void DefinirPropre(bool propre);

    // The menu's actions, enabled and named after the step they would undo or redo.
    QAction* ActionAnnuler() const { return m_Annuler; }
    QAction* ActionRefaire() const { return m_Refaire; }

    // What the history holds, in bytes: its steps and its one mirror of the log.
    std::size_t Octets() const;
    // Of which the mirror of the log.
    std::size_t OctetsMiroir() const;

signals:
    // Emitted, on the window's thread, before any command, Undo or Redo changes anything: a running
    // replay ends itself here, and a turn still being animated finishes at once. A slot must not
    // start a command of its own.
    void AvantCommande();
    // After every step pushed, undone or redone, and after Recommencer().
    void Change();
    // The session came back to what was saved, or left it.
    void PropreChange(bool propre);

private:
    class Etape;

    void Poser(const EtatSession& e);
    // Replaces `enlever` lines at `debut` with `mettre`, in the log and in its mirror.
    void Remplacer(int debut, int enlever, const std::vector<LigneJournal>& mettre);
    void Enregistrer(const QString& texte);
    void MajActions();
    void Touche(int ligne);

    ModeleSession& m_S;
    QUndoStack m_Pile;
    QAction* m_Annuler;
    QAction* m_Refaire;
    int m_Profondeur = 0;
    qint64 m_Serie = 0;
    // The outermost command's start, without the lines.
    EtatSession m_Avant;
    // The log as the last step left it: one copy for the whole history, compared after a command
    // only from the lowest line the command touched.
    Journal m_Miroir;
    int m_Bas = 0;           // lowest line changed since the mirror was right
    bool m_Hors = false;     // the log changed outside any command: the mirror is read again
    bool m_Applique = false; // Undo or Redo is changing the log
};
