// Undo and Redo of whole commands. Every command of the window (a button, a key, a menu entry, a
// paste, a position set up) runs through Executer(), which records one step: the state before and
// after it, and of the log only the lines it replaced, so a long log is never copied per step.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class Merlo;
class QAction;

class Historique : public QObject {
    Q_OBJECT

public:
    explicit Historique(Merlo& w);

    // Runs `faire` as one step named `texte` (what Undo and Redo say). A non-empty `marque` is
    // written (marques::RoleCommande, with a fresh marques::RoleSerie) on every line the command
    // appends that carries no mark yet. A command started while another one runs (a click taken
    // in the DoEvents of a stage or a long paste) becomes part of the outer command's step, and
    // its lines keep its own mark.
    void Executer(const QString& marque, const QString& texte, const std::function<void()>& faire);

    // Undo and Redo of the last step; they do nothing while a command runs.
    void Annuler();
    void Refaire();
    bool EnCours() const { return m_Profondeur > 0; }
    int Pas() const { return m_Pile.count(); }
    int Index() const { return m_Pile.index(); }

    // The menu's actions, enabled and named after the step they would undo or redo.
    QAction* ActionAnnuler() const { return m_Annuler; }
    QAction* ActionRefaire() const { return m_Refaire; }

    // What the history holds, in bytes: its steps and its one mirror of the log (the lines' texts
    // are shared with the log's items, and counted with them).
    std::size_t Octets() const;
    // Of which the mirror of the log.
    std::size_t OctetsMiroir() const;

    // Everything a step brings back besides the log's lines.
    struct Etat {
        std::array<int16_t, 6> faceA{};                 // which face is at each position
        std::array<std::array<int16_t, 9>, 6> cases{}; // every face's squares, as stored
        int16_t faceVue = 0;
        std::array<bool, 9> options{}; // the hidden layer selection
        QString message;               // the counter, as shown
        int selection = -1;            // the selected log line
        bool operator==(const Etat&) const = default;
    };
    struct Ligne {
        QString texte, commande;
        qint64 serie = 0;
        bool marquee = false;
        bool operator==(const Ligne&) const = default;
    };

signals:
    // Emitted, on the window's thread, before any command, Undo or Redo changes anything: a running
    // replay ends itself here, and a turn still being animated finishes at once. A slot must not
    // start a command of its own.
    void AvantCommande();

private:
    class Etape;

    Etat Lire() const;
    void Poser(const Etat& e);
    std::vector<Ligne> Lignes() const;
    static Ligne LigneDe(const class QListWidgetItem* item);
    // Replaces `enlever` lines at `debut` with `mettre`, in the log and in its mirror.
    void Remplacer(int debut, std::size_t enlever, const std::vector<Ligne>& mettre);
    void Marquer(int debut, const QString& marque, qint64 serie);
    void Enregistrer(const QString& texte);
    void MajActions();

    Merlo& m_W;
    QUndoStack m_Pile;
    QAction* m_Annuler;
    QAction* m_Refaire;
    int m_Profondeur = 0;
    qint64 m_Serie = 0;
    // The outermost command's start.
    Etat m_Avant;
    // The log as the last step left it, its texts shared with the items: one copy for the whole
    // history, compared after a command only from the lowest line the command touched.
    std::vector<Ligne> m_Miroir;
    int m_Bas = 0;          // lowest line changed since the mirror was right
    bool m_Hors = false;    // the log changed outside any command: the mirror is read again
    bool m_Applique = false; // Undo or Redo is changing the log
    void Touche(int ligne);
};
