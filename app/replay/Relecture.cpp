#include "Relecture.h"

#include "AnimationTours.h"
#include "Avis.h"
#include "DelegueJournal.h"
#include "Disposition.h"
#include "Historique.h"
#include "ModeleSession.h"
#include "PanneauRelecture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSettings>

#include <algorithm>

namespace {

const QString CleIntervalle = QStringLiteral("relecture/intervalle");
const QString CleCoups = QStringLiteral("journal/coups");
const QString CleCommeEcrit = QStringLiteral("relecture/commeEcrit");

} // namespace

Relecture::Relecture(const Contexte& c, AnimationTours& animation, Disposition& disposition)
    : QObject(&c.fenetre), m_C(c), m_Animation(animation), m_Curseur(c.session)
{
    setObjectName(QStringLiteral("Relecture"));
    m_Cube = c.cube;
    QSettings reglages;
    m_Minuteur.setInterval(std::clamp(reglages.value(CleIntervalle, 1000).toInt(), 200, 3000));
    connect(&m_Minuteur, &QTimer::timeout, this, [this] {
        if (Faits() >= Total())
            Lecture(false);
        else
            Avancer();
    });

    m_Delegue = new DelegueJournal(c.journal);
    m_Delegue->MontrerCoups(reglages.value(CleCoups, true).toBool());
    c.journal->setItemDelegate(m_Delegue);

    using T = TableCommandes;
    connect(Action(T::Resolution, "Rejouer", tr("&Replay"), QKeySequence(Qt::Key_F5),
                   tr("Step through the solution on the cube, move by move, as Copy solution copies it")),
            &QAction::triggered, this, &Relecture::Rejouer);
    connect(Action(T::Resolution, "RejouerDepuis", tr("Replay &from here"), QKeySequence(Qt::SHIFT | Qt::Key_F5),
                   tr("Step through the log from before the selected line")),
            &QAction::triggered, this, &Relecture::RejouerDepuis);
    connect(Action(T::Edition, "CopierSolution", tr("Copy &solution"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                   tr("Copy what was done since the last scramble or paste as moves to make holding the cube still, "
                      "one part a line, each after how to hold the cube")),
            &QAction::triggered, this, &Relecture::CopierSolution);
    m_CommeEcrit = Action(T::Affichage, "RelectureCommeEcrit", tr("Replay the log as &written"), QKeySequence(),
                          tr("Replay every line of the log, whole-cube turns included, instead of the moves to make "
                             "holding the cube still"),
                          false);
    m_CommeEcrit->setCheckable(true);
    m_CommeEcrit->setChecked(reglages.value(CleCommeEcrit, false).toBool());
    connect(m_CommeEcrit, &QAction::toggled, this, [](bool oui) { QSettings().setValue(CleCommeEcrit, oui); });
    QAction* coups = Action(T::Affichage, "CoupsJournal", tr("&Moves in the log"), QKeySequence(),
                            tr("Show each log line's move in cube notation before its text"));
    coups->setCheckable(true);
    coups->setChecked(m_Delegue->CoupsMontres());
    connect(coups, &QAction::toggled, this, &Relecture::MontrerCoups);
    // Whatever a command, Undo or Redo is about to change, the cube is the log's again first.
    connect(&c.histoire, &Historique::AvantCommande, this, &Relecture::Terminer);
    m_Panneau = new PanneauRelecture(c.fenetre, c.cube, disposition, Intervalle());
    connect(m_Panneau, &PanneauRelecture::Debut, this, &Relecture::AuDebut);
    connect(m_Panneau, &PanneauRelecture::Recule, this, &Relecture::Reculer);
    connect(m_Panneau, &PanneauRelecture::Lecture, this, [this] { Lecture(!EnLecture()); });
    connect(m_Panneau, &PanneauRelecture::Avance, this, &Relecture::Avancer);
    connect(m_Panneau, &PanneauRelecture::Fin, this, &Relecture::ALaFin);
    connect(m_Panneau, &PanneauRelecture::Quitter, this, &Relecture::Terminer);
    connect(m_Panneau, &PanneauRelecture::Intervalle, this, &Relecture::RegleIntervalle);
    // Any button of the window is a command: the cube must be the log's again before it runs.
    for (QAbstractButton* b : c.fenetre.findChildren<QAbstractButton*>())
        if (!m_Panneau->Contient(b))
            connect(b, &QAbstractButton::pressed, this, &Relecture::Terminer);
    // A line added or taken away would no longer be the line replayed; lines taken away leave the
    // cube as it is, so the cube goes back first.
    connect(&c.session, &ModeleSession::LignesAAjouter, this, &Relecture::Terminer);
    connect(&c.session, &ModeleSession::LignesARetirer, this, &Relecture::Terminer);
    // The application's filter sees every event first: keys before any shortcut, clicks before any
    // widget, and the cube's moves and the window's close.
    qApp->installEventFilter(this);
}

Relecture::~Relecture()
{
    qApp->removeEventFilter(this);
}

QAction* Relecture::Action(TableCommandes::Menu menu, const char* nom, const QString& texte, const QKeySequence& touche,
                           const QString& statut, bool dansJournal)
{
    auto* a = new QAction(texte, this);
    a->setObjectName(QLatin1String(nom));
    a->setShortcut(touche);
    a->setStatusTip(statut);
    return m_C.commandes.Ajouter(menu, a, dansJournal);
}

bool Relecture::Commencer(int ligne)
{
    Terminer();
    if (m_C.enCommande()) {
        m_C.avis.Montrer(tr("A command is still running: replay once it has finished."));
        return false;
    }
    m_Defilement = m_C.journal->verticalScrollBar()->value();
    m_Animation.Finir();
    switch (m_Curseur.Commencer(ligne, LaTenue())) {
    case CurseurRelecture::Depart::AucunTour:
        m_C.avis.Montrer(tr("The log holds no moves to replay."));
        return false;
    case CurseurRelecture::Depart::AucunTourIci:
        m_C.avis.Montrer(tr("No moves from this line on to replay."));
        return false;
    case CurseurRelecture::Depart::Pret:
        break;
    }
    // Nothing stands over the cube while it is followed.
    m_C.avis.hide();
    Montrer();
    return true;
}

relecture::Tenue Relecture::LaTenue() const
{
    return m_CommeEcrit->isChecked() ? relecture::Tenue::CommeEcrit : relecture::Tenue::Immobile;
}

void Relecture::Aller(int curseur)
{
    m_Animation.Finir();
    m_Curseur.Aller(curseur);
}

// Every step is shown turning, whatever "Animate turns" says; a half turn as one.
void Relecture::Montrer(const notation::Move& m)
{
    animation::Mouvement mv = animation::MouvementDe(m.turn);
    mv.sens *= m.count;
    m_Animation.Montrer(mv);
}

void Relecture::Avancer()
{
    if (!EnCours())
        return;
    const std::optional<notation::Move> m = m_Curseur.Avancer();
    if (!m) {
        Terminer();
        return;
    }
    Montrer(*m);
    Montrer();
}

void Relecture::Reculer()
{
    const std::optional<notation::Move> m = m_Curseur.Reculer();
    if (!m)
        return;
    Montrer(*m);
    Montrer();
}

void Relecture::AuDebut()
{
    if (!EnCours())
        return;
    Aller(Premier());
    Montrer();
}

void Relecture::ALaFin()
{
    if (!EnCours())
        return;
    Aller(Total());
    Montrer();
}

void Relecture::Lecture(bool marche)
{
    if (marche && EnCours()) {
        if (Faits() >= Total())
            Aller(Premier());
        m_Minuteur.start();
    } else {
        m_Minuteur.stop();
    }
    m_Panneau->MontrerLecture(EnLecture());
    if (EnCours())
        Montrer();
}

void Relecture::RegleIntervalle(int ms)
{
    ms = std::clamp(ms, 200, 3000);
    m_Minuteur.setInterval(ms);
    QSettings().setValue(CleIntervalle, ms);
    m_Panneau->MontrerIntervalle(ms);
}

void Relecture::Terminer()
{
    if (!EnCours())
        return;
    m_Minuteur.stop();
    if (!m_Cube) {
        // The window is going away with its cube: nothing is left to bring back.
        m_Curseur.Abandonner();
        return;
    }
    m_Animation.Finir();
    m_Curseur.Terminer();
    m_Panneau->Cacher();
    m_Delegue->Marquer(-1, -1);
    // The log scrolled back where it was, so it follows its newest line again if it did.
    m_C.journal->verticalScrollBar()->setValue(m_Defilement);
    m_C.journal->viewport()->update();
    emit Change();
}

void Relecture::Montrer()
{
    const int suivante = m_Curseur.LigneSuivante();
    // Before the first step of a replay from a later line, the line made last is not this replay's.
    const int faite = Faits() > Premier() ? LigneFaite() : -1;
    m_Delegue->Marquer(faite, suivante);
    m_C.journal->viewport()->update();
    if (suivante >= 0 || faite >= 0)
        m_C.journal->scrollTo(m_C.journal->model()->index(suivante >= 0 ? suivante : faite, 0));
    m_Panneau->Montrer(m_Curseur);
    emit Change();
}

void Relecture::RejouerDepuis()
{
    const int ligne = m_C.session.Selection();
    if (ligne < 0) {
        m_C.avis.Montrer(tr("Select the log line to replay from, then choose \"Replay from here\"."));
        return;
    }
    Commencer(ligne);
}

void Relecture::CopierSolution()
{
    const relecture::Solution s = SolutionDepuisMelange(m_C.session);
    if (s.coups == 0) {
        m_C.avis.Montrer(tr("No moves were made since the cube was last scrambled or pasted."));
        return;
    }
    QGuiApplication::clipboard()->setText(relecture::Texte(s));
    m_C.avis.Montrer(tr("Copied the solution since the last scramble: %n move(s), one part a line.", nullptr, s.coups));
}

void Relecture::MontrerCoups(bool oui)
{
    m_Delegue->MontrerCoups(oui);
    QSettings().setValue(CleCoups, oui);
    m_C.journal->viewport()->update();
}

bool Relecture::DansFenetre(QObject* objet) const
{
    if (!objet || !objet->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(objet);
    return w->window() == &m_C.fenetre;
}

bool Relecture::Touche(int cle)
{
    switch (cle) {
    case Qt::Key_Right:
    case Qt::Key_Space:
        Avancer();
        return true;
    case Qt::Key_Left:
        Reculer();
        return true;
    case Qt::Key_Home:
        AuDebut();
        return true;
    case Qt::Key_End:
        ALaFin();
        return true;
    case Qt::Key_P:
        Lecture(!EnLecture());
        return true;
    case Qt::Key_Escape:
        Terminer();
        return true;
    default:
        return false;
    }
}

bool Relecture::Clavier(QEvent* event)
{
    auto* k = static_cast<QKeyEvent*>(event);
    const int cle = k->key();
    const bool nue = (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool notre = nue
                       && (cle == Qt::Key_Right || cle == Qt::Key_Space || cle == Qt::Key_Left || cle == Qt::Key_Home
                           || cle == Qt::Key_End || cle == Qt::Key_P || cle == Qt::Key_Escape);
    if (notre) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            Touche(cle);
        return true;
    }
    // Moving about the window is no command; any other key may be one.
    const bool passe = cle == Qt::Key_Shift || cle == Qt::Key_Control || cle == Qt::Key_Alt || cle == Qt::Key_Meta
                       || cle == Qt::Key_AltGr || cle == Qt::Key_Tab || cle == Qt::Key_Backtab || cle == Qt::Key_Up
                       || cle == Qt::Key_Down || cle == Qt::Key_PageUp || cle == Qt::Key_PageDown || cle == Qt::Key_F1
                       || cle == 0
                       // Alt and an arrow look around the cube.
                       || ((k->modifiers() & Qt::AltModifier) && (cle == Qt::Key_Left || cle == Qt::Key_Right));
    if (!passe && event->type() == QEvent::ShortcutOverride)
        Terminer();
    return false;
}

bool Relecture::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == m_C.cube && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        if (EnCours()) {
            m_Panneau->Placer();
            Montrer();
        }
        return false;
    }
    if (objet == &m_C.fenetre && event->type() == QEvent::Close) {
        // The program ends with the window; the cube is the log's again first all the same.
        Terminer();
        return false;
    }
    if (!EnCours() || !m_Cube || !DansFenetre(objet))
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        return Clavier(event);
    case QEvent::ContextMenu:
        // The log's menu holds commands; the replay's own start again from the log's end. The
        // cube's right button only turns the view.
        if (objet != m_C.cube)
            Terminer();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // Looking at the cube, picking a line or scrolling the log is no command.
        auto* w = static_cast<QWidget*>(objet);
        auto dans = [w](const QWidget* x) { return x && (w == x || x->isAncestorOf(w)); };
        if (m_Panneau->Contient(w) || dans(m_C.cube) || dans(m_C.journal) || qobject_cast<QScrollBar*>(w))
            return false;
        Terminer();
        return false;
    }
    default:
        return false;
    }
}
