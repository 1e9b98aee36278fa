// The File menu's commands over the session's document: Open, Save, Save As, Open Recent, the
// window's title with the file's name and its unsaved changes, and the question before unsaved
// work is closed or replaced. It knows the session only as values: it asks for the session to save
// and hands over a session read, and the window does the rest.
#pragma once

#include "EtatSession.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

class ControleurFichiers : public QObject {
    Q_OBJECT

public:
    // The caption of the window without a file, and after a file's name.
    static QString TitreSeul() { return QStringLiteral("MERLO's"); }

    // `fenetre` gets the title and is the parent of the dialogs; `instantane` gives the session as
    // it stands.
    ControleurFichiers(QWidget* fenetre, std::function<EtatSession()> instantane);
    ~ControleurFichiers() override;

    QAction* ActionOuvrir() const { return m_Ouvrir; }
    QAction* ActionEnregistrer() const { return m_Enregistrer; }
    QAction* ActionEnregistrerSous() const { return m_EnregistrerSous; }
    // The Open Recent submenu's action.
    QAction* ActionRecents() const;

    const QString& Chemin() const { return m_Chemin; }
    bool Modifie() const { return m_Modifie; }
    // "MERLO's", or "name.merlos[*] — MERLO's"; the window shows the [*] as "*" while modified.
    QString Titre() const;

    // The session changed, or came back to what was saved (an undo stack's clean state).
    void DefinirModifie(bool modifie);
    // A session restored from a recovery file: its file, and unsaved changes.
    void Reprendre(const QString& chemin);

    // Reads `chemin` and, when it is a session, hands it over (Ouvert) and takes its name; otherwise
    // says why and changes nothing. Asks first about unsaved changes unless `sansQuestion`.
    bool Ouvrir(const QString& chemin, bool sansQuestion = false);
    // To the current file, or to one asked for.
    bool Enregistrer();
    bool EnregistrerSous(const QString& chemin);
    // Asks for a file and saves there.
    bool DemanderEtEnregistrer();
    // Asks for a file and opens it.
    bool DemanderEtOuvrir();
    // True when the session may be closed or replaced: nothing unsaved, or the person saved it or
    // chose to discard it; false when they cancelled (or the save failed). `demander`: ask even
    // with nothing unsaved yet (a command under way is changing the session).
    bool PeutAbandonner(bool demander = false);
    // When it gives a sentence, the session cannot be replaced now: Open says it and opens nothing.
    void DefinirRefus(std::function<QString()> refus) { m_Refus = std::move(refus); }

signals:
    // A session read from a file, for the window to take.
    void Ouvert(const EtatSession& etat);
    // The session now matches the file (saved or opened): an undo stack sets its clean state.
    void Enregistre();
    // The file or the unsaved state changed; the title is already applied.
    void TitreChange();

private:
    void Appliquer();
    void Attacher(const QString& chemin);
    bool Refuse();
    void Avertir(const QString& message);
    void RemplirRecents();

    QWidget* m_Fenetre;
    std::function<EtatSession()> m_Instantane;
    std::function<QString()> m_Refus;
    QAction* m_Ouvrir;
    QAction* m_Enregistrer;
    QAction* m_EnregistrerSous;
    std::unique_ptr<QMenu> m_Recents;
    QString m_Chemin;
    bool m_Modifie = false;
};
