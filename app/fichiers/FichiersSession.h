// The session's files in the window: the File menu (Open, Open Recent, Save, Save As, Quit), the
// title with the file's name and its unsaved mark, the question before unsaved work is closed or
// replaced, and the work kept for recovery while it is unsaved, offered back at the next start
// after a crash. Undo's clean state is what "saved" means: Undo back to the saved session is saved.
#pragma once

#include "Contexte.h"
#include "EtatSession.h"

#include <QObject>
#include <QString>

#include <functional>

class ControleurFichiers;
class Recuperation;
class Reprise;

class FichiersSession : public QObject {
    Q_OBJECT

public:
    // `releve`: whether a replay has turned the cube back along its log, when the session is not
    // itself and is not written for recovery.
    FichiersSession(const Contexte& c, std::function<bool()> releve);

    ControleurFichiers& Controleur() { return *m_Controleur; }
    Recuperation& Recup() { return *m_Recup; }

    // Once the window shows: offers what a Merlos that crashed or was killed left, then opens
    // `fichier` (from the command line; empty for none). A file that cannot be opened says why,
    // and the window goes on as it started.
    void Demarrer(const QString& fichier);
    // Asks whether to restore the work a gone Merlos left in `dossier`, if there is any.
    void OffrirReprise(const QString& dossier);
    // Before the window closes: asks about unsaved work (also while a command is changing the
    // session). False when the person cancelled; otherwise this process's recovery file is gone.
    bool Fermer();

private:
    // Keeps the session for recovery while it differs from what was saved, and nothing otherwise.
    void Garder();
    void Restaurer(Reprise& r, const EtatSession& e, const QString& fichier);

    Contexte m_C;
    ControleurFichiers* m_Controleur;
    Recuperation* m_Recup;
};
