#include "Relecture.h"

#include "AnimationTours.h"
#include "Avis.h"
#include "DelegueJournal.h"
#include "Marques.h"
#include "Historique.h"
#include "Merlo.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString CleIntervalle = QStringLiteral("relecture/intervalle");
const QString CleCoups = QStringLiteral("journal/coups");

// How each turn is made on the control, in the order of notation::Turn: the axis' method, the
// layer's index and the direction the arrow's primitive passes; for a whole-cube turn, the position
// whose face comes to the front.
struct Geste {
    char axe; // 'H', 'V', 'T', or 'C' for the whole cube
    int16_t index, sens;
};
constexpr Geste Gestes[notation::TurnCount] = {
    {'H', 0, 1}, {'H', 0, 0}, {'H', 2, 1}, {'H', 2, 0}, {'H', 1, 1}, {'H', 1, 0},
    {'V', 0, 1}, {'V', 0, 0}, {'V', 2, 1}, {'V', 2, 0}, {'V', 1, 1}, {'V', 1, 0},
    {'T', 0, 0}, {'T', 0, 1}, {'T', 2, 0}, {'T', 2, 1}, {'T', 1, 0}, {'T', 1, 1},
    {'C', 5, 0}, {'C', 0, 0}, {'C', 3, 0}, {'C', 1, 0},
};

// A frame drawn over the button that makes the next move; clicks go through it.
class Cadre : public QWidget {
public:
    explicit Cadre(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("RelectureCadre"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int e = std::max(2, width() / 12);
        p.setPen(QPen(QColor(0xff, 0x40, 0x00), e));
        p.drawRoundedRect(QRectF(rect()).adjusted(e / 2.0, e / 2.0, -e / 2.0, -e / 2.0), e, e);
    }
};

QString Secondes(int ms) { return Relecture::tr("%1 s").arg(ms / 1000.0, 0, 'f', 1); }

} // namespace

Relecture* InstallerRelecture(Merlo& w, Avis& avis)
{
    return new Relecture(w, avis);
}

Relecture::Relecture(Merlo& w, Avis& avis) : QObject(&w), m_W(w), m_Avis(avis)
{
    setObjectName(QStringLiteral("Relecture"));
    m_Cube = w.CUBE1;
    QSettings reglages;
    m_Minuteur.setInterval(std::clamp(reglages.value(CleIntervalle, 1000).toInt(), 200, 3000));
    connect(&m_Minuteur, &QTimer::timeout, this, [this] {
        if (m_Curseur >= Total())
            Lecture(false);
        else
            Avancer();
    });

    m_Delegue = new DelegueJournal(w.List1);
    m_Delegue->MontrerCoups(reglages.value(CleCoups, true).toBool());
    w.List1->setItemDelegate(m_Delegue);

    using T = TableCommandes;
    connect(Action(T::Resolution, "Rejouer", tr("&Replay"), QKeySequence(Qt::Key_F5),
                   tr("Step through the log on the cube, move by move, from before its first line")),
            &QAction::triggered, this, &Relecture::Rejouer);
    connect(Action(T::Resolution, "RejouerDepuis", tr("Replay &from here"), QKeySequence(),
                   tr("Step through the log from before the selected line")),
            &QAction::triggered, this, &Relecture::RejouerDepuis);
    connect(Action(T::Edition, "CopierSolution", tr("Copy &solution"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                   tr("Copy what was done since the last scramble or paste, simplified, one stage a line")),
            &QAction::triggered, this, &Relecture::CopierSolution);
    QAction* coups = Action(T::Affichage, "CoupsJournal", tr("&Moves in the log"), QKeySequence(),
                            tr("Show each log line's move in cube notation before its text"));
    coups->setCheckable(true);
    coups->setChecked(m_Delegue->CoupsMontres());
    connect(coups, &QAction::toggled, this, &Relecture::MontrerCoups);
    // Whatever a command, Undo or Redo is about to change, the cube is the log's again first.
    connect(&w.Histoire(), &Historique::AvantCommande, this, &Relecture::Terminer);
    // Every step is shown turning, whatever "Animate turns" says.
    AnimationTours* animation = &w.Animation();
    montrer = [animation](notation::Turn t) { animation->Montrer(t); };
    finir = [animation] { animation->Finir(); };

    CreerPanneau();
    // Any button of the window is a command: the cube must be the log's again before it runs.
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
        if (!m_Barre->isAncestorOf(b))
            connect(b, &QAbstractButton::pressed, this, &Relecture::Terminer);
    // A line added or taken away would no longer be the line replayed; lines taken away leave the
    // cube as it is, so the cube goes back first.
    QAbstractItemModel* modele = w.List1->model();
    connect(modele, &QAbstractItemModel::rowsAboutToBeInserted, this, &Relecture::Terminer);
    connect(modele, &QAbstractItemModel::rowsAboutToBeRemoved, this, &Relecture::Terminer);
    connect(modele, &QAbstractItemModel::modelAboutToBeReset, this, &Relecture::Terminer);
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
    return m_W.Commandes().Ajouter(menu, a, dansJournal);
}

void Relecture::CreerPanneau()
{
    const QString fond = QStringLiteral("background-color: rgba(16, 24, 40, 215); border-radius: 6px;");
    m_Prochain = new QFrame(&m_W);
    m_Prochain->setObjectName(QStringLiteral("RelectureProchain"));
    m_Prochain->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_Prochain->setStyleSheet(QStringLiteral("QFrame#RelectureProchain { %1 } QLabel { color: white; background: transparent; }").arg(fond));
    auto* v = new QVBoxLayout(m_Prochain);
    v->setContentsMargins(6, 2, 6, 4);
    v->setSpacing(0);
    m_Nom = new QLabel(m_Prochain);
    m_Nom->setObjectName(QStringLiteral("RelectureNom"));
    m_Nom->setAlignment(Qt::AlignCenter);
    m_Nom->setStyleSheet(QStringLiteral("color: #ffd166;"));
    m_Nom->setAccessibleName(tr("Next move"));
    m_Mots = new QLabel(m_Prochain);
    m_Mots->setObjectName(QStringLiteral("RelectureMots"));
    m_Mots->setAlignment(Qt::AlignCenter);
    m_Mots->setWordWrap(true);
    m_Compte = new QLabel(m_Prochain);
    m_Compte->setObjectName(QStringLiteral("RelectureCompte"));
    m_Compte->setAlignment(Qt::AlignCenter);
    m_Compte->setStyleSheet(QStringLiteral("color: #b8c4d8;"));
    v->addWidget(m_Nom);
    v->addWidget(m_Mots);
    v->addWidget(m_Compte);
    m_Prochain->setAccessibleName(tr("Next move"));
    m_Prochain->hide();

    m_Barre = new QFrame(&m_W);
    m_Barre->setObjectName(QStringLiteral("RelectureBarre"));
    m_Barre->setStyleSheet(QStringLiteral("QFrame#RelectureBarre { %1 } QLabel { color: white; background: transparent; }"
                                          " QPushButton { color: white; background: #33405a; border: 1px solid #6d7fa0;"
                                          " border-radius: 3px; padding: 0px 3px; }"
                                          " QPushButton:pressed { background: #1d2638; }")
                               .arg(fond));
    auto* b = new QVBoxLayout(m_Barre);
    b->setContentsMargins(5, 3, 5, 4);
    b->setSpacing(2);
    m_Etape = new QLabel(m_Barre);
    m_Etape->setObjectName(QStringLiteral("RelectureEtape"));
    m_Etape->setWordWrap(true);
    m_Etape->setAccessibleName(tr("Where the replay stands"));
    b->addWidget(m_Etape);
    auto* rang = new QHBoxLayout;
    rang->setSpacing(3);
    auto bouton = [this, rang](const char* nom, const QString& texte, const QString& aide, void (Relecture::*faire)()) {
        auto* p = new QPushButton(texte, m_Barre);
        p->setObjectName(QLatin1String(nom));
        p->setToolTip(aide);
        p->setAccessibleName(aide);
        p->setFocusPolicy(Qt::NoFocus);
        if (faire)
            connect(p, &QPushButton::clicked, this, faire);
        rang->addWidget(p);
        return p;
    };
    bouton("RelectureDebut", QStringLiteral("|\u25c0"), tr("Back to the start (Home)"), &Relecture::AuDebut);
    bouton("RelectureRecule", QStringLiteral("\u25c0"), tr("One move back (Left)"), &Relecture::Reculer);
    m_Jouer = bouton("RelectureLecture", QStringLiteral("\u25b6\u25b6"), tr("Play or pause (P)"), nullptr);
    connect(m_Jouer, &QPushButton::clicked, this, [this] { Lecture(!EnLecture()); });
    bouton("RelectureAvance", QStringLiteral("\u25b6"), tr("Next move (Right or Space)"), &Relecture::Avancer);
    bouton("RelectureFin", QStringLiteral("\u25b6|"), tr("To the end (End)"), &Relecture::ALaFin);
    m_Curseurs = new QSlider(Qt::Horizontal, m_Barre);
    m_Curseurs->setObjectName(QStringLiteral("RelectureVitesse"));
    m_Curseurs->setRange(2, 30);
    m_Curseurs->setValue(Intervalle() / 100);
    m_Curseurs->setFocusPolicy(Qt::NoFocus);
    m_Curseurs->setToolTip(tr("Time a move while playing"));
    m_Curseurs->setAccessibleName(tr("Time a move while playing"));
    connect(m_Curseurs, &QSlider::valueChanged, this, [this](int v) { RegleIntervalle(v * 100); });
    rang->addWidget(m_Curseurs, 1);
    m_Vitesse = new QLabel(Secondes(Intervalle()), m_Barre);
    m_Vitesse->setObjectName(QStringLiteral("RelectureSecondes"));
    rang->addWidget(m_Vitesse);
    bouton("RelectureQuitter", QStringLiteral("\u2715"), tr("End the replay (Esc)"), &Relecture::Terminer);
    b->addLayout(rang);
    m_Barre->setAccessibleName(tr("Replay"));
    m_Barre->hide();

    m_Cadre = new Cadre(&m_W);
}

void Relecture::Placer()
{
    if (!m_Prochain || !m_Barre || !m_W.CUBE1)
        return;
    const QRect c = m_W.CUBE1->geometry();
    const int h = c.height();
    QFont petite = m_W.font();
    petite.setPixelSize(std::max(9, h / 22));
    QFont grande = m_W.font();
    grande.setPixelSize(std::max(24, h / 6));
    grande.setBold(true);
    m_Nom->setFont(grande);
    m_Mots->setFont(petite);
    m_Compte->setFont(petite);
    m_Etape->setFont(petite);
    for (QWidget* x : m_Barre->findChildren<QWidget*>())
        if (x != m_Etape)
            x->setFont(petite);
    const int marge = std::max(3, h / 60);
    m_Prochain->setGeometry(c.left() + marge, c.top() + marge, c.width() * 40 / 100, h * 34 / 100);
    PlacerBarre();
}

void Relecture::PlacerBarre()
{
    if (!m_Barre || !m_W.CUBE1)
        return;
    // Along the cube's lower edge, as high as its text needs at that width.
    const QRect c = m_W.CUBE1->geometry();
    const int marge = std::max(3, c.height() / 60);
    const int largeur = c.width() - 2 * marge;
    m_Barre->layout()->invalidate();
    const QMargins m = m_Barre->layout()->contentsMargins();
    int rang = 0;
    for (QWidget* x : m_Barre->findChildren<QWidget*>())
        if (x != m_Etape)
            rang = std::max(rang, x->sizeHint().height());
    const int haut = m.top() + m_Etape->heightForWidth(largeur - m.left() - m.right()) + m_Barre->layout()->spacing() + rang
                     + m.bottom();
    m_Barre->setGeometry(c.left() + marge, c.bottom() - marge - haut, largeur, haut);
}

bool Relecture::Commencer(int ligne)
{
    Terminer();
    if (m_W.EnCommande()) {
        m_Avis.Montrer(tr("A command is still running: replay once it has finished."));
        return false;
    }
    QStringList lignes;
    for (int i = 0; i < m_W.List1->count(); ++i)
        lignes << m_W.List1->item(i)->text();
    const std::vector<relecture::Marque> marques = Marques();
    std::vector<relecture::Pas> pas = relecture::PasDuJournal(lignes);
    const auto premier = std::find_if(pas.begin(), pas.end(), [ligne](const relecture::Pas& p) { return p.ligne >= ligne; });
    if (premier == pas.end()) {
        m_Avis.Montrer(pas.empty() ? tr("The log holds no moves to replay.") : tr("No moves from this line on to replay."));
        return false;
    }
    m_Lignes = lignes;
    m_Tranches = relecture::Tranches(lignes, marques);
    m_Pas = std::move(pas);
    m_Debut = static_cast<int>(premier - m_Pas.begin());
    m_Curseur = Total();
    m_FaceVue = m_W.FaceVue;
    m_Defilement = m_W.List1->verticalScrollBar()->value();
    m_EnCours = true;
    Aller(m_Debut);
    Placer();
    m_Prochain->show();
    m_Prochain->raise();
    m_Barre->show();
    m_Barre->raise();
    Montrer();
    return true;
}

void Relecture::Tourner(notation::Turn t)
{
    const Geste& g = Gestes[static_cast<int>(t)];
    CUBEDriver& c = m_W.CUBE();
    switch (g.axe) {
    case 'H': c.MvtH(g.index, g.sens, 1); break;
    case 'V': c.MvtV(g.index, g.sens, 1); break;
    case 'T': c.MvtT(g.index, g.sens, 1); break;
    default:
        m_W.FaceVue = c.WichFace(g.index);
        c.AfficherFace(m_W.FaceVue);
        break;
    }
}

void Relecture::Aller(int curseur)
{
    if (finir)
        finir();
    while (m_Curseur > curseur)
        Tourner(notation::Inverse(m_Pas[static_cast<std::size_t>(--m_Curseur)].tour));
    while (m_Curseur < curseur)
        Tourner(m_Pas[static_cast<std::size_t>(m_Curseur++)].tour);
}

void Relecture::Avancer()
{
    if (!m_EnCours)
        return;
    if (m_Curseur >= Total()) {
        Terminer();
        return;
    }
    const notation::Turn t = m_Pas[static_cast<std::size_t>(m_Curseur++)].tour;
    Tourner(t);
    if (montrer)
        montrer(t);
    Montrer();
}

void Relecture::Reculer()
{
    if (!m_EnCours || m_Curseur <= m_Debut)
        return;
    const notation::Turn t = notation::Inverse(m_Pas[static_cast<std::size_t>(--m_Curseur)].tour);
    Tourner(t);
    if (montrer)
        montrer(t);
    Montrer();
}

void Relecture::AuDebut()
{
    if (!m_EnCours)
        return;
    Aller(m_Debut);
    Montrer();
}

void Relecture::ALaFin()
{
    if (!m_EnCours)
        return;
    Aller(Total());
    Montrer();
}

void Relecture::Lecture(bool marche)
{
    if (marche && m_EnCours) {
        if (m_Curseur >= Total())
            Aller(m_Debut);
        m_Minuteur.start();
    } else {
        m_Minuteur.stop();
    }
    if (m_Jouer)
        m_Jouer->setText(EnLecture() ? QStringLiteral("\u275a\u275a") : QStringLiteral("\u25b6\u25b6"));
    if (m_EnCours)
        Montrer();
}

void Relecture::RegleIntervalle(int ms)
{
    ms = std::clamp(ms, 200, 3000);
    m_Minuteur.setInterval(ms);
    QSettings().setValue(CleIntervalle, ms);
    if (m_Vitesse)
        m_Vitesse->setText(Secondes(ms));
    if (m_Curseurs && m_Curseurs->value() != ms / 100)
        m_Curseurs->setValue(ms / 100);
}

void Relecture::Terminer()
{
    if (!m_EnCours)
        return;
    if (!m_Cube) {
        // The window is going away with its cube: nothing is left to bring back.
        m_EnCours = false;
        m_Minuteur.stop();
        return;
    }
    m_Minuteur.stop();
    if (m_Jouer)
        m_Jouer->setText(QStringLiteral("\u25b6\u25b6"));
    Aller(Total());
    m_W.FaceVue = m_FaceVue;
    m_EnCours = false;
    m_Pas.clear();
    m_Tranches.clear();
    m_Lignes.clear();
    if (m_Prochain)
        m_Prochain->setAccessibleName(tr("Next move"));
    m_Prochain->hide();
    if (m_Barre)
        m_Barre->setAccessibleName(tr("Replay"));
    m_Barre->hide();
    if (m_Cadre)
        m_Cadre->hide();
    m_Delegue->Marquer(-1, -1);
    // The log scrolled back where it was, so it follows its newest line again if it did.
    m_W.List1->verticalScrollBar()->setValue(m_Defilement);
    m_W.List1->viewport()->update();
    emit Change();
}

int Relecture::LigneFaite() const
{
    return m_EnCours && m_Curseur > 0 ? m_Pas[static_cast<std::size_t>(m_Curseur - 1)].ligne : -1;
}

void Relecture::Montrer()
{
    const bool fin = m_Curseur >= Total();
    const int suivante = fin ? -1 : m_Pas[static_cast<std::size_t>(m_Curseur)].ligne;
    // Before the first step of a replay from a later line, the line made last is not this replay's.
    const int faite = m_Curseur > m_Debut ? LigneFaite() : -1;
    m_Delegue->Marquer(faite, suivante);
    m_W.List1->viewport()->update();
    if (suivante >= 0 || faite >= 0)
        m_W.List1->scrollToItem(m_W.List1->item(suivante >= 0 ? suivante : faite));

    if (fin) {
        m_Nom->setText(QStringLiteral("\u2713"));
        m_Mots->setText(tr("end of the log"));
        m_Compte->setText(tr("%n move(s) replayed", nullptr, Total() - m_Debut));
        m_Etape->setText(tr("The cube is as the log leaves it. \u2192 or Esc ends the replay."));
        PlacerBarre();
        m_Cadre->hide();
    } else {
        const notation::Turn t = m_Pas[static_cast<std::size_t>(m_Curseur)].tour;
        m_Nom->setText(notation::Name(t));
        m_Mots->setText(relecture::Mots(t));
        m_Compte->setText(tr("move %1 of %2").arg(m_Curseur + 1).arg(Total()));
        QString ou = relecture::OuDansLaTranche(m_Tranches, m_Lignes, suivante);
        if (ou.isEmpty())
            ou = tr("Log line %1: %2").arg(suivante + 1).arg(m_Lignes[suivante]);
        m_Etape->setText(ou);
        PlacerBarre();
        QWidget* bouton = m_W.findChild<QWidget*>(QLatin1String(notation::Info(t).button));
        if (bouton && m_Cadre) {
            const QRect r(bouton->mapTo(&m_W, QPoint(0, 0)), bouton->size());
            const int e = std::max(3, r.height() / 6);
            m_Cadre->setGeometry(r.adjusted(-e, -e, e, e));
            m_Cadre->show();
            m_Cadre->raise();
        }
    }
    emit Change();
}

void Relecture::RejouerDepuis()
{
    const QList<QListWidgetItem*> choisies = m_W.List1->selectedItems();
    if (choisies.isEmpty()) {
        m_Avis.Montrer(tr("Select the log line to replay from, then choose \"Replay from here\"."));
        return;
    }
    Commencer(m_W.List1->row(choisies.first()));
}

std::vector<relecture::Marque> Relecture::Marques() const
{
    std::vector<relecture::Marque> marques;
    for (int i = 0; i < m_W.List1->count(); ++i) {
        const QListWidgetItem* item = m_W.List1->item(i);
        marques.push_back({item->data(marques::RoleCommande).toString(), item->data(marques::RoleSerie).toLongLong()});
    }
    return marques;
}

void Relecture::CopierSolution()
{
    QStringList lignes;
    for (int i = 0; i < m_W.List1->count(); ++i)
        lignes << m_W.List1->item(i)->text();
    const relecture::Solution s = relecture::SolutionDepuisMelange(lignes, Marques());
    if (s.coups == 0) {
        m_Avis.Montrer(tr("No moves were made since the cube was last scrambled or pasted."));
        return;
    }
    QGuiApplication::clipboard()->setText(s.texte);
    m_Avis.Montrer(tr("Copied the solution since the last scramble: %n move(s), one part a line.", nullptr, s.coups));
}

void Relecture::MontrerCoups(bool oui)
{
    m_Delegue->MontrerCoups(oui);
    QSettings().setValue(CleCoups, oui);
    m_W.List1->viewport()->update();
}

bool Relecture::DansFenetre(QObject* objet) const
{
    if (!objet || !objet->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(objet);
    return w->window() == &m_W;
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

bool Relecture::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == m_W.CUBE1 && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        if (m_EnCours) {
            Placer();
            Montrer();
        }
        return false;
    }
    if (objet == &m_W && event->type() == QEvent::Close) {
        // The program ends with the window; the cube is the log's again first all the same.
        Terminer();
        return false;
    }
    if (!m_EnCours || !m_Cube || !DansFenetre(objet))
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
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
    case QEvent::ContextMenu:
        // The log's menu holds commands; the replay's own start again from the log's end. The
        // cube's right button only turns the view.
        if (objet != m_W.CUBE1)
            Terminer();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // Looking at the cube, picking a line or scrolling the log is no command.
        auto* w = static_cast<QWidget*>(objet);
        auto dans = [w](const QWidget* x) { return x && (w == x || x->isAncestorOf(w)); };
        if (dans(m_Barre) || dans(m_W.CUBE1) || dans(m_W.List1) || qobject_cast<QScrollBar*>(w))
            return false;
        Terminer();
        return false;
    }
    default:
        return false;
    }
}
