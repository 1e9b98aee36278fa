#include "PanneauRelecture.h"

#include "CurseurRelecture.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

// The replay's texts are in its own context ("Relecture"), whichever of its files shows them.
namespace {

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

QString Secondes(int ms) { return QCoreApplication::translate("Relecture", "%1 s").arg(ms / 1000.0, 0, 'f', 1); }

} // namespace

PanneauRelecture::PanneauRelecture(QWidget& fenetre, QWidget* cube, int intervalle)
    : QObject(&fenetre), m_Fenetre(fenetre), m_Cube(cube)
{
    const QString fond = QStringLiteral("background-color: rgba(16, 24, 40, 215); border-radius: 6px;");
    m_Prochain = new QFrame(&fenetre);
    m_Prochain->setObjectName(QStringLiteral("RelectureProchain"));
    m_Prochain->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_Prochain->setStyleSheet(QStringLiteral("QFrame#RelectureProchain { %1 } QLabel { color: white; background: transparent; }").arg(fond));
    auto* v = new QVBoxLayout(m_Prochain);
    v->setContentsMargins(6, 2, 6, 4);
    v->setSpacing(0);
    auto etiquette = [](QWidget* dans, const char* nom) {
        auto* l = new QLabel(dans);
        l->setObjectName(QLatin1String(nom));
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    m_Nom = etiquette(m_Prochain, "RelectureNom");
    m_Nom->setStyleSheet(QStringLiteral("color: #ffd166;"));
    m_Nom->setAccessibleName(QCoreApplication::translate("Relecture", "Next move"));
    m_Mots = etiquette(m_Prochain, "RelectureMots");
    m_Mots->setWordWrap(true);
    m_Compte = etiquette(m_Prochain, "RelectureCompte");
    m_Compte->setStyleSheet(QStringLiteral("color: #b8c4d8;"));
    v->addWidget(m_Nom);
    v->addWidget(m_Mots);
    v->addWidget(m_Compte);
    m_Prochain->setAccessibleName(QCoreApplication::translate("Relecture", "Next move"));
    m_Prochain->hide();
    CreerBarre(fond, intervalle);
    m_Cadre = new Cadre(&fenetre);
}

void PanneauRelecture::CreerBarre(const QString& fond, int intervalle)
{
    m_Barre = new QFrame(&m_Fenetre);
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
    m_Etape->setAccessibleName(QCoreApplication::translate("Relecture", "Where the replay stands"));
    b->addWidget(m_Etape);
    auto* rang = new QHBoxLayout;
    rang->setSpacing(3);
    auto bouton = [this, rang](const char* nom, const QString& texte, const QString& aide, void (PanneauRelecture::*signal)()) {
        auto* p = new QPushButton(texte, m_Barre);
        p->setObjectName(QLatin1String(nom));
        p->setToolTip(aide);
        p->setAccessibleName(aide);
        p->setFocusPolicy(Qt::NoFocus);
        connect(p, &QPushButton::clicked, this, signal);
        rang->addWidget(p);
        return p;
    };
    bouton("RelectureDebut", QStringLiteral("|\u25c0"), QCoreApplication::translate("Relecture", "Back to the start (Home)"), &PanneauRelecture::Debut);
    bouton("RelectureRecule", QStringLiteral("\u25c0"), QCoreApplication::translate("Relecture", "One move back (Left)"), &PanneauRelecture::Recule);
    m_Jouer = bouton("RelectureLecture", QStringLiteral("\u25b6\u25b6"), QCoreApplication::translate("Relecture", "Play or pause (P)"), &PanneauRelecture::Lecture);
    bouton("RelectureAvance", QStringLiteral("\u25b6"), QCoreApplication::translate("Relecture", "Next move (Right or Space)"), &PanneauRelecture::Avance);
    bouton("RelectureFin", QStringLiteral("\u25b6|"), QCoreApplication::translate("Relecture", "To the end (End)"), &PanneauRelecture::Fin);
    m_Curseurs = new QSlider(Qt::Horizontal, m_Barre);
    m_Curseurs->setObjectName(QStringLiteral("RelectureVitesse"));
    m_Curseurs->setRange(2, 30);
    m_Curseurs->setValue(intervalle / 100);
    m_Curseurs->setFocusPolicy(Qt::NoFocus);
    m_Curseurs->setToolTip(QCoreApplication::translate("Relecture", "Time a move while playing"));
    m_Curseurs->setAccessibleName(QCoreApplication::translate("Relecture", "Time a move while playing"));
    connect(m_Curseurs, &QSlider::valueChanged, this, [this](int v) { emit Intervalle(v * 100); });
    rang->addWidget(m_Curseurs, 1);
    m_Vitesse = new QLabel(Secondes(intervalle), m_Barre);
    m_Vitesse->setObjectName(QStringLiteral("RelectureSecondes"));
    rang->addWidget(m_Vitesse);
    bouton("RelectureQuitter", QStringLiteral("\u2715"), QCoreApplication::translate("Relecture", "End the replay (Esc)"), &PanneauRelecture::Quitter);
    b->addLayout(rang);
    m_Barre->setAccessibleName(QCoreApplication::translate("Relecture", "Replay"));
    m_Barre->hide();
}

QWidget* PanneauRelecture::Barre() const { return m_Barre; }

bool PanneauRelecture::Contient(const QWidget* w) const
{
    return w && m_Barre && (w == m_Barre || m_Barre->isAncestorOf(w));
}

void PanneauRelecture::Placer()
{
    if (!m_Prochain || !m_Barre || !m_Cube)
        return;
    const QRect c = m_Cube->geometry();
    const int h = c.height();
    QFont petite = m_Fenetre.font();
    petite.setPixelSize(std::max(9, h / 22));
    QFont grande = m_Fenetre.font();
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

void PanneauRelecture::PlacerBarre()
{
    if (!m_Barre || !m_Cube)
        return;
    // Along the cube's lower edge, as high as its text needs at that width.
    const QRect c = m_Cube->geometry();
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

void PanneauRelecture::Montrer(const CurseurRelecture& c)
{
    m_Prochain->show();
    m_Prochain->raise();
    m_Barre->show();
    m_Barre->raise();
    const std::optional<notation::Turn> t = c.Suivant();
    if (!t) {
        m_Nom->setText(QStringLiteral("\u2713"));
        m_Mots->setText(QCoreApplication::translate("Relecture", "end of the log"));
        m_Compte->setText(QCoreApplication::translate("Relecture", "%n move(s) replayed", nullptr, c.Total() - c.Premier()));
        m_Etape->setText(QCoreApplication::translate("Relecture", "The cube is as the log leaves it. \u2192 or Esc ends the replay."));
        PlacerBarre();
        m_Cadre->hide();
        return;
    }
    const int suivante = c.LigneSuivante();
    m_Nom->setText(notation::Name(*t));
    m_Mots->setText(relecture::Mots(*t));
    m_Compte->setText(QCoreApplication::translate("Relecture", "move %1 of %2").arg(c.Faits() + 1).arg(c.Total()));
    QString ou = relecture::OuDansLaTranche(c.Tranches(), c.Lignes(), suivante);
    if (ou.isEmpty())
        ou = QCoreApplication::translate("Relecture", "Log line %1: %2 \u2014 %3").arg(suivante + 1).arg(c.Lignes()[suivante], relecture::Mots(*t));
    m_Etape->setText(ou);
    PlacerBarre();
    QWidget* bouton = m_Fenetre.findChild<QWidget*>(QLatin1String(notation::Info(*t).button));
    if (bouton && m_Cadre) {
        const QRect r(bouton->mapTo(&m_Fenetre, QPoint(0, 0)), bouton->size());
        const int e = std::max(3, r.height() / 6);
        m_Cadre->setGeometry(r.adjusted(-e, -e, e, e));
        m_Cadre->show();
        m_Cadre->raise();
    }
}

void PanneauRelecture::Cacher()
{
    MontrerLecture(false);
    if (m_Prochain) {
        m_Prochain->setAccessibleName(QCoreApplication::translate("Relecture", "Next move"));
        m_Prochain->hide();
    }
    if (m_Barre) {
        m_Barre->setAccessibleName(QCoreApplication::translate("Relecture", "Replay"));
        m_Barre->hide();
    }
    if (m_Cadre)
        m_Cadre->hide();
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
