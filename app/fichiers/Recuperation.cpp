#include "Recuperation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <map>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr char Suffixe[] = ".merlos";
constexpr char SuffixeVerrou[] = ".lock";

QByteArray Nom(const QString& chemin) { return QFile::encodeName(chemin); }

// An flock taken without waiting on `chemin`; -1 when it is held elsewhere or missing (made first
// when `creer`).
int Verrouiller(const QString& chemin, bool creer)
{
    const int fd = ::open(Nom(chemin).constData(), O_RDWR | O_CLOEXEC | (creer ? O_CREAT : 0), 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

Recuperation::Recuperation(QString dossier, std::function<EtatSession()> instantane, QObject* parent)
    : QObject(parent)
    , m_Dossier(std::move(dossier))
    , m_Instantane(std::move(instantane))
{
    if (!m_Dossier.isEmpty()) {
        // The process id tells a person whose file it is; the random part keeps a later process
        // with the same id from writing over a file still to be offered.
        const QString base = QDir(m_Dossier).filePath(QStringLiteral("session-%1-%2").arg(::getpid()).arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        m_Fichier = base + QLatin1String(Suffixe);
        m_Verrou = base + QLatin1String(SuffixeVerrou);
    }
    m_Fil.setMaxThreadCount(1);
    m_Minuterie.setSingleShot(true);
    m_Minuterie.setInterval(DelaiMs);
    connect(&m_Minuterie, &QTimer::timeout, this, &Recuperation::Ecrire);
}

Recuperation::~Recuperation()
{
    m_Annule = true;
    m_Fil.waitForDone();
    if (m_Fd >= 0)
        ::close(m_Fd);
}

bool Recuperation::Prendre()
{
    if (m_Fd >= 0)
        return true;
    if (m_Fichier.isEmpty() || !QDir().mkpath(m_Dossier))
        return false;
    QFile::setPermissions(m_Dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Locked before it has its name, so that nobody ever finds this lock file free while it lives.
    const QString provisoire = m_Verrou + QStringLiteral(".new");
    m_Fd = Verrouiller(provisoire, true);
    if (m_Fd >= 0 && ::rename(Nom(provisoire).constData(), Nom(m_Verrou).constData()) != 0) {
        ::close(m_Fd);
        ::unlink(Nom(provisoire).constData());
        m_Fd = -1;
    }
    return m_Fd >= 0;
}

void Recuperation::Modifie()
{
    if (m_Fichier.isEmpty() || m_Termine)
        return;
    m_Sale = true;
    if (!m_EnVol && !m_Minuterie.isActive())
        m_Minuterie.start();
}

void Recuperation::DefinirFichier(const QString& document)
{
    m_Document = document;
}

void Recuperation::Effacer()
{
    if (m_Fichier.isEmpty() || m_Termine)
        return;
    m_Minuterie.stop();
    m_Sale = false;
    if (m_EnVol)
        m_Effacer = true;
    else
        QFile::remove(m_Fichier);
}

void Recuperation::Ecrire()
{
    if (m_EnVol || m_Termine || !m_Sale)
        return;
    if (m_Attendre && m_Attendre()) {
        m_Minuterie.start();
        return;
    }
    m_Sale = false;
    if (!Prendre()) {
        Fini(QCoreApplication::translate("Recuperation", "Work cannot be kept for recovery in %1.").arg(QDir::toNativeSeparators(m_Dossier)));
        return;
    }
    m_EnVol = true;
    m_Fil.start([this, etat = m_Instantane(), chemin = m_Fichier, document = m_Document] {
        const QString erreur = document::Enregistrer(chemin, etat, document, &m_Annule);
        QMetaObject::invokeMethod(this, [this, erreur] { Fini(erreur); }, Qt::QueuedConnection);
    });
}

void Recuperation::Fini(const QString& erreur)
{
    m_EnVol = false;
    if (m_Termine)
        return;
    if (m_Effacer) {
        // Written while the session was being saved: it holds nothing to keep.
        QFile::remove(m_Fichier);
        m_Effacer = false;
    }
    if (!erreur.isEmpty()) {
        if (!m_EchecDit)
            emit Echec(erreur);
        m_EchecDit = true;
    } else {
        emit Ecrit();
    }
    if (m_Sale)
        m_Minuterie.start();
}

void Recuperation::Terminer()
{
    m_Termine = true;
    m_Minuterie.stop();
    m_Annule = true;
    m_Fil.waitForDone();
    if (m_Fd < 0)
        return;
    QFile::remove(m_Fichier);
    ::unlink(Nom(m_Verrou).constData());
    ::close(m_Fd);
    m_Fd = -1;
}

std::unique_ptr<Reprise> Reprise::Chercher(const QString& dossier)
{
    if (dossier.isEmpty())
        return nullptr;
    QDir d(dossier);
    // Every process's files by the name they share: its recovery file, its lock, and what a save
    // cut short left.
    std::map<QString, QStringList> parBase;
    for (const QString& nom : d.entryList({QStringLiteral("session-*")}, QDir::Files | QDir::Hidden))
        parBase[nom.section(QLatin1Char('.'), 0, 0)] << nom;
    std::unique_ptr<Reprise> meilleure;
    for (const auto& [base, noms] : parBase) {
        // A lock file is never made here for a process that may still be starting: only a recovery
        // file that lost its lock gets one.
        const QFileInfo fichier(d.filePath(base + QLatin1String(Suffixe)));
        const int fd = Verrouiller(d.filePath(base + QLatin1String(SuffixeVerrou)), fichier.isFile());
        if (fd < 0)
            continue; // its Merlos still runs, or is taking its lock
        for (const QString& nom : noms)
            if (nom != fichier.fileName() && !nom.endsWith(QLatin1String(SuffixeVerrou)))
                d.remove(nom);
        if (!fichier.isFile() || (meilleure && meilleure->m_Date >= fichier.lastModified())) {
            if (!fichier.isFile())
                ::unlink(Nom(d.filePath(base + QLatin1String(SuffixeVerrou))).constData());
            ::close(fd);
            continue;
        }
        meilleure.reset(new Reprise);
        meilleure->m_Fichier = fichier.absoluteFilePath();
        meilleure->m_Verrou = d.filePath(base + QLatin1String(SuffixeVerrou));
        meilleure->m_Date = fichier.lastModified();
        meilleure->m_Fd = fd;
    }
    if (meilleure)
        meilleure->m_Contenu = document::Ouvrir(meilleure->m_Fichier);
    return meilleure;
}

Reprise::~Reprise()
{
    if (m_Fd >= 0)
        ::close(m_Fd);
}

bool Reprise::Adopter(Recuperation& r)
{
    if (m_Fd < 0 || !r.Prendre() || ::rename(Nom(m_Fichier).constData(), Nom(r.Fichier()).constData()) != 0)
        return false;
    ::unlink(Nom(m_Verrou).constData());
    ::close(m_Fd);
    m_Fd = -1;
    return true;
}

void Reprise::Ecarter()
{
    if (m_Fd < 0)
        return;
    QFile::remove(m_Fichier);
    ::unlink(Nom(m_Verrou).constData());
    ::close(m_Fd);
    m_Fd = -1;
}
