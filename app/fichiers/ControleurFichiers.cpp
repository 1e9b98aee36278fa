#include "ControleurFichiers.h"

#include "DocumentSession.h"
#include "Reglages.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QWidget>


ControleurFichiers::ControleurFichiers(QWidget* fenetre, std::function<EtatSession()> instantane)
    : QObject(fenetre)
    , m_Fenetre(fenetre)
    , m_Instantane(std::move(instantane))
    , m_Ouvrir(new QAction(tr("&Open\u2026"), this))
    , m_Enregistrer(new QAction(tr("&Save"), this))
    , m_EnregistrerSous(new QAction(tr("Save &As\u2026"), this))
    , m_Recents(std::make_unique<QMenu>(tr("Open &Recent")))
{
    m_Ouvrir->setObjectName(QStringLiteral("Ouvrir"));
    m_Ouvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_Ouvrir->setStatusTip(tr("Open a session saved before: the cube, the log and its marks"));
    m_Enregistrer->setObjectName(QStringLiteral("Enregistrer"));
    m_Enregistrer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_Enregistrer->setStatusTip(tr("Save the session: the cube however it is held, the log, the counter and the layers chosen"));
    m_EnregistrerSous->setObjectName(QStringLiteral("EnregistrerSous"));
    // Not the desktop's Ctrl+Shift+S, which is "Solve in few moves" here: Ctrl+Alt+S, beside Save.
    m_EnregistrerSous->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    m_EnregistrerSous->setStatusTip(tr("Save the session in a new file"));
    m_Recents->setObjectName(QStringLiteral("OuvrirRecent"));
    m_Recents->menuAction()->setObjectName(QStringLiteral("OuvrirRecent"));
    m_Recents->menuAction()->setStatusTip(tr("Open one of the sessions opened or saved last"));
    connect(m_Ouvrir, &QAction::triggered, this, [this] { DemanderEtOuvrir(); });
    connect(m_Enregistrer, &QAction::triggered, this, [this] { Enregistrer(); });
    connect(m_EnregistrerSous, &QAction::triggered, this, [this] { DemanderEtEnregistrer(); });
    connect(m_Recents.get(), &QMenu::aboutToShow, this, &ControleurFichiers::RemplirRecents);
    RemplirRecents();
}

ControleurFichiers::~ControleurFichiers() = default;

QAction* ControleurFichiers::ActionRecents() const { return m_Recents->menuAction(); }

QString ControleurFichiers::Titre() const
{
    if (m_Chemin.isEmpty())
        return TitreSeul();
    return QFileInfo(m_Chemin).fileName() + QStringLiteral("[*] \u2014 ") + TitreSeul();
}

void ControleurFichiers::Appliquer()
{
    m_Fenetre->setWindowTitle(Titre());
    // Without a file the caption has no [*] to show the state in.
    m_Fenetre->setWindowModified(m_Modifie && !m_Chemin.isEmpty());
    emit TitreChange();
}

void ControleurFichiers::DefinirModifie(bool modifie)
{
    if (modifie == m_Modifie)
        return;
    m_Modifie = modifie;
    Appliquer();
}

void ControleurFichiers::Reprendre(const QString& chemin)
{
    m_Chemin = chemin;
    m_Modifie = true;
    Appliquer();
}

void ControleurFichiers::Avertir(const QString& message)
{
    QMessageBox::warning(m_Fenetre, TitreSeul(), message);
}

bool ControleurFichiers::Refuse()
{
    const QString pourquoi = m_Refus ? m_Refus() : QString();
    if (!pourquoi.isEmpty())
        Avertir(pourquoi);
    return !pourquoi.isEmpty();
}

bool ControleurFichiers::Ouvrir(const QString& chemin, bool sansQuestion)
{
    if (Refuse() || (!sansQuestion && !PeutAbandonner()))
        return false;
    const document::Lu lu = document::Ouvrir(chemin);
    if (!lu) {
        Avertir(lu.erreur);
        return false;
    }
    emit Ouvert(*lu.etat);
    Attacher(chemin);
    return true;
}

bool ControleurFichiers::Enregistrer()
{
    return m_Chemin.isEmpty() ? DemanderEtEnregistrer() : EnregistrerSous(m_Chemin);
}

bool ControleurFichiers::EnregistrerSous(const QString& chemin)
{
    if (const QString erreur = document::Enregistrer(chemin, m_Instantane()); !erreur.isEmpty()) {
        Avertir(erreur);
        return false;
    }
    Attacher(chemin);
    return true;
}

// The session now stands as it is in that file.
void ControleurFichiers::Attacher(const QString& chemin)
{
    m_Chemin = QFileInfo(chemin).absoluteFilePath();
    m_Modifie = false;
    reglages::AjouterRecent(m_Chemin);
    Appliquer();
    emit Enregistre();
}

static QString DossierDeDepart(const QString& chemin)
{
    if (!chemin.isEmpty())
        return QFileInfo(chemin).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool ControleurFichiers::DemanderEtEnregistrer()
{
    QFileDialog d(m_Fenetre, tr("Save session"), DossierDeDepart(m_Chemin), tr("Merlos sessions (*.merlos)"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(QStringLiteral("merlos"));
    if (!m_Chemin.isEmpty())
        d.selectFile(m_Chemin);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() && EnregistrerSous(d.selectedFiles().constFirst());
}

bool ControleurFichiers::DemanderEtOuvrir()
{
    if (Refuse() || !PeutAbandonner())
        return false;
    const QString chemin = QFileDialog::getOpenFileName(m_Fenetre, tr("Open session"), DossierDeDepart(m_Chemin),
                                                        tr("Merlos sessions (*.merlos);;All files (*)"));
    return !chemin.isEmpty() && Ouvrir(chemin, true);
}

bool ControleurFichiers::PeutAbandonner(bool demander)
{
    if (!m_Modifie && !demander)
        return true;
    QMessageBox q(QMessageBox::Warning, TitreSeul(), tr("The session has changes that are not saved."),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_Fenetre);
    q.setObjectName(QStringLiteral("QuestionEnregistrer"));
    q.setInformativeText(m_Chemin.isEmpty() ? tr("Save them in a file first?")
                                            : tr("Save them in %1 first?").arg(QFileInfo(m_Chemin).fileName()));
    // Letters of their own, so each answer has a key, whatever the desktop calls the buttons.
    q.button(QMessageBox::Save)->setText(tr("&Save"));
    q.button(QMessageBox::Discard)->setText(tr("&Discard"));
    q.setDefaultButton(QMessageBox::Save);
    q.setEscapeButton(QMessageBox::Cancel);
    switch (q.exec()) {
    case QMessageBox::Save:
        return Enregistrer();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void ControleurFichiers::RemplirRecents()
{
    m_Recents->clear();
    const QStringList recents = reglages::Recents();
    for (int i = 0; i < recents.size(); ++i) {
        const QString chemin = recents[i];
        QAction* a = m_Recents->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(chemin).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        a->setStatusTip(QDir::toNativeSeparators(chemin));
        a->setToolTip(QDir::toNativeSeparators(chemin));
        connect(a, &QAction::triggered, this, [this, chemin] { Ouvrir(chemin); });
    }
    if (recents.isEmpty())
        m_Recents->addAction(tr("No recent sessions"))->setEnabled(false);
}
