#include "PanneauRelecture.h"

#include "CurseurRelecture.h"
#include "Disposition.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

// The replay's texts are in its own context ("Relecture"), whichever of its files shows them.
namespace {

QString Tr(const char* texte) { return QCoreApplication::translate("Relecture", texte); }

// A frame drawn round the button that makes the next move; clicks go through it.
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
        const int e = std::max(2, std::min(width(), height()) / 8);
        p.setPen(QPen(QColor(0xff, 0x40, 0x00), e));
        p.drawRoundedRect(QRectF(rect()).adjusted(e / 2.0, e / 2.0, -e / 2.0, -e / 2.0), e, e);
    }
};

QString Secondes(int ms) { return Tr(QT_TRANSLATE_NOOP("Relecture", "%1 s")).arg(ms / 1000.0, 0, 'f', 1); }

// The panel in its column: level with the cube's top, down to the foot of the drawn layout.
constexpr int Marge = 90, Haut = 840;

} // namespace

PanneauRelecture::PanneauRelecture(QWidget& fenetre, QWidget* cube, Disposition& disposition, int intervalle)
    : QObject(&fenetre), m_Fenetre(fenetre), m_Cube(cube), m_Disposition(disposition)
{
    m_Panneau = new QFrame(&fenetre);
    m_Panneau->setObjectName(QStringLiteral("RelecturePanneau"));
    m_Panneau->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Relecture", "Replay")));
    m_Panneau->setStyleSheet(QStringLiteral(
        "QFrame#RelecturePanneau { background-color: #101828; border-radius: 6px; }"
        " QLabel { color: white; background: transparent; }"
        " QLabel#RelectureNom { color: #ffd166; } QLabel#RelectureCompte, QLabel#RelectureSecondes { color: #b8c4d8; }"
        " QPushButton { color: white; background: #33405a; border: 1px solid #6d7fa0; border-radius: 3px; padding: 1px 3px; }"
        " QPushButton:pressed { background: #1d2638; }"));
    auto* v = new QVBoxLayout(m_Panneau);
    v->setSpacing(4);
    auto etiquette = [this, v](const char* nom, bool plie, const char* accessible) {
        auto* l = new QLabel(m_Panneau);
        l->setObjectName(QLatin1String(nom));
        l->setWordWrap(plie);
        l->setAlignment(plie ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignCenter);
        l->setAccessibleName(Tr(accessible));
        v->addWidget(l);
        return l;
    };
    m_Etape = etiquette("RelectureEtape", true, QT_TRANSLATE_NOOP("Relecture", "Where the replay stands"));
    m_Tenue = etiquette("RelectureTenue", true, QT_TRANSLATE_NOOP("Relecture", "How to hold the cube"));
    m_Nom = etiquette("RelectureNom", false, QT_TRANSLATE_NOOP("Relecture", "Next move"));
    m_Mots = etiquette("RelectureMots", true, QT_TRANSLATE_NOOP("Relecture", "Next move"));
    m_Mots->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_Compte = etiquette("RelectureCompte", false, QT_TRANSLATE_NOOP("Relecture", "Next move"));
    CreerBoutons(intervalle);
    v->addStretch(1);
    disposition.Placer(m_Panneau, Disposition::Annexe::Relecture,
                       QRect(Marge, Haut, Largeur - 2 * Marge, HauteurDessin - Haut - Marge));
    m_Panneau->installEventFilter(this);
    m_Panneau->hide();
    m_Cadre = new Cadre(&fenetre);
}

void PanneauRelecture::CreerBoutons(int intervalle)
{
    auto* rang = new QHBoxLayout;
    rang->setSpacing(3);
    auto bouton = [this, rang](const char* nom, const QString& texte, const char* aide, void (PanneauRelecture::*signal)()) {
        auto* p = new QPushButton(texte, m_Panneau);
        p->setObjectName(QLatin1String(nom));
        p->setToolTip(Tr(aide));
        p->setAccessibleName(Tr(aide));
        p->setFocusPolicy(Qt::NoFocus);
        connect(p, &QPushButton::clicked, this, signal);
        rang->addWidget(p);
        return p;
    };
    bouton("RelectureDebut", QStringLiteral("|\u25c0"), QT_TRANSLATE_NOOP("Relecture", "Back to the start (Home)"), &PanneauRelecture::Debut);
    bouton("RelectureRecule", QStringLiteral("\u25c0"), QT_TRANSLATE_NOOP("Relecture", "One move back (Left)"), &PanneauRelecture::Recule);
    m_Jouer = bouton("RelectureLecture", QStringLiteral("\u25b6\u25b6"), QT_TRANSLATE_NOOP("Relecture", "Play or pause (P)"), &PanneauRelecture::Lecture);
    bouton("RelectureAvance", QStringLiteral("\u25b6"), QT_TRANSLATE_NOOP("Relecture", "Next move (Right or Space)"), &PanneauRelecture::Avance);
    bouton("RelectureFin", QStringLiteral("\u25b6|"), QT_TRANSLATE_NOOP("Relecture", "To the end (End)"), &PanneauRelecture::Fin);
    bouton("RelectureQuitter", QStringLiteral("\u2715"), QT_TRANSLATE_NOOP("Relecture", "End the replay (Esc)"), &PanneauRelecture::Quitter);
    auto* v = static_cast<QVBoxLayout*>(m_Panneau->layout());
    v->addLayout(rang);

    auto* vitesse = new QHBoxLayout;
    m_Curseurs = new QSlider(Qt::Horizontal, m_Panneau);
    m_Curseurs->setObjectName(QStringLiteral("RelectureVitesse"));
    m_Curseurs->setRange(2, 30);
    m_Curseurs->setValue(intervalle / 100);
    m_Curseurs->setFocusPolicy(Qt::NoFocus);
    m_Curseurs->setToolTip(Tr(QT_TRANSLATE_NOOP("Relecture", "Time a move while playing")));
    m_Curseurs->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Relecture", "Time a move while playing")));
    connect(m_Curseurs, &QSlider::valueChanged, this, [this](int ms) { emit Intervalle(ms * 100); });
    vitesse->addWidget(m_Curseurs, 1);
    m_Vitesse = new QLabel(Secondes(intervalle), m_Panneau);
    m_Vitesse->setObjectName(QStringLiteral("RelectureSecondes"));
    vitesse->addWidget(m_Vitesse);
    v->addLayout(vitesse);
}

bool PanneauRelecture::Contient(const QWidget* w) const
{
    return w && m_Panneau && (w == m_Panneau || m_Panneau->isAncestorOf(w));
}

bool PanneauRelecture::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == m_Panneau && event->type() == QEvent::Resize)
        Placer();
    return false;
}

void PanneauRelecture::Placer()
{
    if (!m_Panneau)
        return;
    // The window's letters at the panel's scale; the next move four times their size.
    const double echelle = m_Panneau->width() / (double(Largeur - 2 * Marge) / TwipsParPixel);
    QFont petite = m_Fenetre.font();
    petite.setPixelSize(std::max(8, static_cast<int>(std::lround(PoliceDessin * 1.1 * echelle))));
    for (QWidget* x : m_Panneau->findChildren<QWidget*>())
        x->setFont(petite);
    QFont grande = petite;
    grande.setPixelSize(std::max(24, static_cast<int>(std::lround(60 * echelle))));
    grande.setBold(true);
    m_Nom->setFont(grande);
    const int marge = std::max(3, static_cast<int>(std::lround(6 * echelle)));
    m_Panneau->layout()->setContentsMargins(marge, marge, marge, marge);
    m_Panneau->layout()->setSpacing(marge);
    if (!m_Bouton.isEmpty())
        Encadrer(m_Bouton);
}

void PanneauRelecture::Montrer(const CurseurRelecture& c)
{
    if (m_Panneau->isHidden()) {
        // Room beside the cube for the panel: the window grows by it.
        m_Disposition.Ouvrir(Disposition::Annexe::Relecture, Largeur);
        m_Panneau->show();
        Placer();
    }
    const relecture::Partie* p = c.Partie();
    const std::optional<notation::Move> m = c.Suivant();
    if (!m) {
        const bool resolue = p && p->resolue && c.Faits() == c.Total();
        m_Nom->setText(QStringLiteral("\u2713"));
        m_Mots->setText(resolue ? relecture::NoteResolu(c.Total()) : Tr(QT_TRANSLATE_NOOP("Relecture", "end of the log")));
        m_Compte->setText(QCoreApplication::translate("Relecture", "%n move(s) replayed", nullptr, c.Total() - c.Premier()));
        m_Etape->setText(c.LaTenue() == relecture::Tenue::Immobile
                             ? Tr(QT_TRANSLATE_NOOP("Relecture", "The cube is as the solution leaves it, held as it started. \u2192 or Esc ends the replay."))
                             : Tr(QT_TRANSLATE_NOOP("Relecture", "The cube is as the log leaves it. \u2192 or Esc ends the replay.")));
        m_Tenue->clear();
        m_Bouton.clear();
        m_Cadre->hide();
        return;
    }
    m_Nom->setText(notation::Name(*m));
    m_Mots->setText(relecture::Mots(*m));
    m_Compte->setText(Tr(QT_TRANSLATE_NOOP("Relecture", "move %1 of %2")).arg(c.Faits() + 1).arg(c.Total()));
    m_Etape->setText(relecture::OuDansLaPartie(*p, c.PasDansPartie()));
    // As written, the log's whole-cube turns are steps: the cube is held as they leave it.
    m_Tenue->setText(Tr(QT_TRANSLATE_NOOP("Relecture", "Hold the cube %1.")).arg(relecture::Tenir(c.Haut(), c.Devant())));
    Encadrer(QLatin1String(notation::Info(m->turn).button));
}

void PanneauRelecture::Encadrer(const QString& nom)
{
    m_Bouton = nom;
    QWidget* bouton = m_Fenetre.findChild<QWidget*>(nom);
    if (!bouton || !m_Cadre)
        return;
    const QRect r(bouton->mapTo(&m_Fenetre, QPoint(0, 0)), bouton->size());
    const int e = std::max(3, r.height() / 6);
    const QRect g = r.adjusted(-e, -e, e, e);
    m_Cadre->setGeometry(g);
    // Round the button, never over the cube's picture, which some buttons touch.
    QRegion masque(QRect(QPoint(0, 0), g.size()));
    if (m_Cube)
        masque -= QRegion(m_Cube->geometry().translated(-g.topLeft()));
    m_Cadre->setMask(masque);
    m_Cadre->show();
    m_Cadre->raise();
}

void PanneauRelecture::Cacher()
{
    MontrerLecture(false);
    m_Bouton.clear();
    if (m_Cadre)
        m_Cadre->hide();
    if (m_Panneau && !m_Panneau->isHidden()) {
        m_Panneau->hide();
        m_Disposition.Ouvrir(Disposition::Annexe::Relecture, 0);
    }
}

void PanneauRelecture::MontrerLecture(bool enLecture)
{
    if (m_Jouer)
        m_Jouer->setText(enLecture ? QStringLiteral("\u275a\u275a") : QStringLiteral("\u25b6\u25b6"));
}

void PanneauRelecture::MontrerIntervalle(int ms)
{
    if (m_Vitesse)
        m_Vitesse->setText(Secondes(ms));
    if (m_Curseurs && m_Curseurs->value() != ms / 100)
        m_Curseurs->setValue(ms / 100);
}
