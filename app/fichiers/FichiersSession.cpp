#include "FichiersSession.h"

#include "Avis.h"
#include "ControleurFichiers.h"
#include "Dossiers.h"
#include "Historique.h"
#include "ModeleSession.h"
#include "Recuperation.h"
#include "TableCommandes.h"

#include <QAction>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

FichiersSession::FichiersSession(const Contexte& c, std::function<bool()> releve) : QObject(&c.fenetre), m_C(c)
{
    ModeleSession* session = &c.session;
    auto instantane = [session] { return session->Instantane(); };
    m_Controleur = new ControleurFichiers(&c.fenetre, instantane);
    m_Recup = new Recuperation(dossiers::Etat(), instantane, this);
    m_Recup->DefinirAttente(std::move(releve));
    // A session replaced under a command would have the rest of the command run on it.
    m_Controleur->DefinirRefus([this] {
        return m_C.histoire.EnCours() ? tr("A command is still running: open the session once it has finished.") : QString();
    });

    using T = TableCommandes;
    TableCommandes& t = c.commandes;
    t.Ajouter(T::Fichier, m_Controleur->ActionOuvrir());
    t.MenuDe(T::Fichier)->addAction(m_Controleur->ActionRecents());
    t.Separer(T::Fichier);
    t.Ajouter(T::Fichier, m_Controleur->ActionEnregistrer());
    t.Ajouter(T::Fichier, m_Controleur->ActionEnregistrerSous());
    t.Separer(T::Fichier);
    // The same close as the window's close button: the question over unsaved work, then the end.
    t.Ajouter(T::Fichier, "Quitter", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), tr("Close the window"),
              [f = &c.fenetre] { f->close(); });

    // A file opened replaces the session: Undo does not lead back into the session before it.
    connect(m_Controleur, &ControleurFichiers::Ouvert, this, [this](const EtatSession& e) {
        m_C.histoire.Recommencer([this, &e] { m_C.session.Restaurer(e); });
    });
    connect(m_Controleur, &ControleurFichiers::Enregistre, this, [this] { m_C.histoire.DefinirPropre(true); });
    connect(m_Controleur, &ControleurFichiers::TitreChange, this, [this] { m_Recup->DefinirFichier(m_Controleur->Chemin()); });
    connect(&c.histoire, &Historique::PropreChange, this, [this](bool propre) {
        m_Controleur->DefinirModifie(!propre);
        Garder();
    });
    connect(&c.histoire, &Historique::Change, this, &FichiersSession::Garder);
    connect(&c.session, &ModeleSession::SelectionChangee, this, &FichiersSession::Garder);
    connect(&c.session, &ModeleSession::CouchesChangees, this, &FichiersSession::Garder);
    connect(m_Recup, &Recuperation::Echec, this, [this](const QString& message) { m_C.avis.Montrer(message); });
}

void FichiersSession::Garder()
{
    if (m_C.histoire.Propre())
        m_Recup->Effacer();
    else
        m_Recup->Modifie();
}

bool FichiersSession::Fermer()
{
    if (!m_Controleur->PeutAbandonner(m_C.histoire.EnCours()))
        return false;
    m_Recup->Terminer();
    return true;
}

void FichiersSession::Demarrer(const QString& fichier)
{
    OffrirReprise(dossiers::Etat());
    if (!fichier.isEmpty())
        m_Controleur->Ouvrir(fichier);
}

void FichiersSession::OffrirReprise(const QString& dossier)
{
    const std::unique_ptr<Reprise> reprise = Reprise::Chercher(dossier);
    if (!reprise)
        return;
    const document::Lu& lu = reprise->Contenu();
    QMessageBox q(&m_C.fenetre);
    q.setObjectName(QStringLiteral("QuestionReprise"));
    q.setWindowTitle(ControleurFichiers::TitreSeul());
    QPushButton* ecarter = q.addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    ecarter->setObjectName(QStringLiteral("Ecarter"));
    QPushButton* restaurer = nullptr;
    if (lu) {
        q.setIcon(QMessageBox::Question);
        q.setText(tr("Merlos last ended without being closed; it kept the work you had not saved. Restore it?"));
        QString detail = tr("Kept on %1, with %n log line(s).", nullptr, int(lu.etat->lignes.size()))
                             .arg(QLocale().toString(reprise->Date(), QLocale::ShortFormat));
        if (!lu.fichier.isEmpty())
            detail += QLatin1Char(' ') + tr("Its file: %1.").arg(QFileInfo(lu.fichier).fileName());
        q.setInformativeText(detail);
        restaurer = q.addButton(tr("&Restore"), QMessageBox::AcceptRole);
        restaurer->setObjectName(QStringLiteral("Restaurer"));
        q.setDefaultButton(restaurer);
    } else {
        // Offered all the same, so that it does not come back at every start; Keep leaves it there.
        q.setIcon(QMessageBox::Warning);
        q.setText(tr("Merlos last ended without being closed, but the work it kept cannot be read."));
        q.setInformativeText(lu.erreur);
        q.addButton(tr("&Keep it for later"), QMessageBox::RejectRole)->setObjectName(QStringLiteral("Garder"));
    }
    q.exec();
    if (q.clickedButton() == ecarter)
        reprise->Ecarter();
    else if (restaurer && q.clickedButton() == restaurer)
        Restaurer(*reprise, *lu.etat, lu.fichier);
}

void FichiersSession::Restaurer(Reprise& r, const EtatSession& e, const QString& fichier)
{
    m_C.histoire.Recommencer([this, &e] { m_C.session.Restaurer(e); });
    // The file becomes this process's own, so the work restored is never without one.
    if (!r.Adopter(*m_Recup))
        m_C.avis.Montrer(tr("The work was restored, but its recovery file could not be taken over: it will be offered again."));
    m_Controleur->Reprendre(fichier);
    // Unsaved, whatever Undo does: no step leads back to a saved state.
    m_C.histoire.DefinirPropre(false);
}
