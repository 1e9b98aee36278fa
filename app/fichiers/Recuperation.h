// Work kept for after a crash. A moment after each change the session is written, on a worker thread,
// to a recovery file of this process in $XDG_STATE_HOME/merlos/; a clean exit removes it. The next
// start finds what a crashed or killed Merlos left and offers it.
//
// Each process owns a lock file beside its recovery file and holds an flock on it for its whole
// life. The kernel drops the lock when the process ends, however it ends, so a recovery file whose
// lock can be taken was left by a process that is gone, and one whose lock is held belongs to a
// Merlos still running: two windows open at once never take each other's work for a crash, and a
// process id used again by an unrelated program misleads nothing.
#pragma once

#include "DocumentSession.h"
#include "EtatSession.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class Recuperation : public QObject {
    Q_OBJECT

public:
    // Changes closer together than this are written once.
    static constexpr int DelaiMs = 500;

    // `dossier` empty: nothing is kept. `instantane` gives the session as it stands; it is called
    // on this object's thread, once for each write.
    Recuperation(QString dossier, std::function<EtatSession()> instantane, QObject* parent = nullptr);
    // A write in flight is cancelled and waited for; the file stays, as after a crash, unless
    // Terminer() ran.
    ~Recuperation() override;

    // The session changed: it is written within DelaiMs plus two writes.
    void Modifie();
    // Nothing unsaved to keep any more (the session was saved, or is as it was): this process's
    // file goes, and a write under way is removed once it lands. The next Modifie() writes again.
    void Effacer();
    // While `attendre` answers true the session is not itself (a replay has turned the cube back
    // along its log): writes wait for it to end.
    void DefinirAttente(std::function<bool()> attendre) { m_Attendre = std::move(attendre); }
    // The saved file the session belongs to, kept in the recovery file; empty for none.
    void DefinirFichier(const QString& document);
    // A clean end: nothing more is written, and this process's file and lock go.
    void Terminer();

    // This process's recovery file (present once written); empty when nothing is kept.
    const QString& Fichier() const { return m_Fichier; }
    // Takes this process's lock and makes the folder, as before a first write. False when the
    // folder cannot be made or locked.
    bool Prendre();
    // Whether a change waits to be written or a write is under way.
    bool EnCours() const { return m_Sale || m_EnVol || m_Minuterie.isActive(); }

signals:
    void Ecrit();
    // The first write that failed, as a sentence naming the file; later failures are not repeated.
    void Echec(const QString& message);

private:
    void Ecrire();
    void Fini(const QString& erreur);

    QString m_Dossier, m_Fichier, m_Verrou, m_Document;
    std::function<EtatSession()> m_Instantane;
    std::function<bool()> m_Attendre;
    QTimer m_Minuterie;
    QThreadPool m_Fil;
    std::atomic<bool> m_Annule{false};
    int m_Fd = -1;
    bool m_Sale = false, m_EnVol = false, m_Termine = false, m_EchecDit = false, m_Effacer = false;
};

// A recovery file left by a Merlos that no longer runs. While this object lives it holds that
// file's lock, so no other Merlos starting at the same moment offers the same work.
class Reprise {
public:
    // The newest such file in `dossier`, read and checked (Contenu() says what is wrong with a
    // damaged one); nothing when there is none. Clears the locks and half-written files that gone
    // processes left without a recovery file.
    static std::unique_ptr<Reprise> Chercher(const QString& dossier);
    // Releases the file unanswered: it is offered again at the next start.
    ~Reprise();
    Reprise(const Reprise&) = delete;
    Reprise& operator=(const Reprise&) = delete;

    const QString& Fichier() const { return m_Fichier; }
    const QDateTime& Date() const { return m_Date; }
    const document::Lu& Contenu() const { return m_Contenu; }

    // Restore: the file becomes `r`'s own recovery file by a rename, so the work restored is never
    // without one. False (and the file stays offered) when it cannot be moved.
    bool Adopter(Recuperation& r);
    // Discard: the file and its lock go.
    void Ecarter();

private:
    Reprise() = default;
    QString m_Fichier, m_Verrou;
    QDateTime m_Date;
    document::Lu m_Contenu;
    int m_Fd = -1;
};
