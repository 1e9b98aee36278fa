#include "AnimationTours.h"

#include "Contexte.h"
#include "Historique.h"
#include "LectureCube.h"
#include "ModeleSession.h"
#include "PeintureAuxPixels.h"
#include "TableCommandes.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QSettings>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QString CleAnimer = QStringLiteral("animation/animer");
const QString CleDuree = QStringLiteral("animation/duree");
constexpr int Vitesses[] = {80, 120, 200, 300, 450, 600};

} // namespace

animation::Couleurs animation::LireCouleurs(CUBEDriver& d) { return ParPosition(LireCube(d)); }

// Lies over the control with its geometry, above it and below everything else, and lets the mouse
// through to it.
class VueTour : public QWidget {
public:
    VueTour(AnimationTours& a, QWidget* dessous) : QWidget(dessous->parentWidget()), m_A(a), m_Dessous(dessous)
    {
        setObjectName(QStringLiteral("VueTour"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
        hide();
        const QObjectList& freres = parentWidget()->children();
        const qsizetype i = freres.indexOf(dessous);
        for (qsizetype k = i + 1; k >= 1 && k < freres.size(); ++k)
            if (auto* w = qobject_cast<QWidget*>(freres[k]); w && w != this) {
                stackUnder(w);
                break;
            }
        setGeometry(dessous->geometry());
        dessous->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Move || e->type() == QEvent::Resize)
            setGeometry(m_Dessous->geometry());
        return false;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        animation::PeindreAuxPixels(*this, m_Image,
                                    [this](QImage& image) { animation::Dessiner(image, m_A.m_Apres, m_A.m_Mouvement, m_A.m_Progres); });
    }

private:
    AnimationTours& m_A;
    QWidget* m_Dessous;
    QImage m_Image;
};

AnimationTours::AnimationTours(const Contexte& c) : QObject(&c.fenetre), m_S(c.session), m_Cube(c.cube)
{
    setObjectName(QStringLiteral("AnimationTours"));
    m_Vue = new VueTour(*this, c.cube);

    m_Anim.setStartValue(0.0);
    m_Anim.setEndValue(1.0);
    // Starts and stops gently, as a hand turns a layer.
    m_Anim.setEasingCurve(QEasingCurve::InOutCubic);
    connect(&m_Anim, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        if (m_Montre && !m_Figee)
            Image(v.toDouble());
    });
    connect(&m_Anim, &QVariantAnimation::finished, this, [this] {
        if (!m_Figee)
            Finir();
    });

    const QSettings r;
    m_DureeMs = std::clamp(r.value(CleDuree, DureeDefaut).toInt(), DureeMin, DureeMax);
    m_Anim.setDuration(m_DureeMs);

    m_Animer = new QAction(tr("Animate turns"), this);
    m_Animer->setObjectName(QStringLiteral("AnimerTours"));
    m_Animer->setCheckable(true);
    m_Animer->setChecked(r.value(CleAnimer, false).toBool());
    m_Animer->setToolTip(tr("Show each turn made with a button or its key as it happens"));
    m_Animer->setStatusTip(tr("Shows each turn you make with a button or its key as it happens, the layer turning in 3-D"));
    connect(m_Animer, &QAction::toggled, this, [this](bool oui) {
        QSettings().setValue(CleAnimer, oui);
        if (!oui)
            Finir();
    });

    auto* menu = new QMenu(tr("Turn speed"), &c.fenetre);
    m_Vitesse = menu->menuAction();
    m_Vitesse->setObjectName(QStringLiteral("VitesseTours"));
    m_Vitesse->setStatusTip(tr("How long a quarter turn takes when it is shown"));
    m_Choix = new QActionGroup(this);
    m_Choix->setExclusive(true);
    for (const int ms : Vitesses) {
        QAction* a = menu->addAction(tr("%n ms a quarter turn", nullptr, ms));
        a->setObjectName(QStringLiteral("VitesseTours%1").arg(ms));
        a->setCheckable(true);
        a->setData(ms);
        m_Choix->addAction(a);
        connect(a, &QAction::triggered, this, [this, ms] { SetDureeMs(ms); });
    }
    SetDureeMs(m_DureeMs);

    c.commandes.Ajouter(TableCommandes::Affichage, m_Animer);
    c.commandes.Ajouter(TableCommandes::Affichage, m_Vitesse);
    // Whatever a command is about to change, the turn shown is over first.
    connect(&c.histoire, &Historique::AvantCommande, this, &AnimationTours::Finir);

    bool figee = false;
    const double p = qEnvironmentVariable("MERLOS_ANIMATION_FIGEE").toDouble(&figee);
    if (figee)
        m_Figee = std::clamp(p, 0.0, 1.0);

    // A turn's button's command, from the mouse or its key: the window has turned the cube already
    // (its own connection came first), so the picture can follow.
    for (int i = 0; i < notation::TurnCount; ++i) {
        const auto t = static_cast<notation::Turn>(i);
        QAction* a = c.commandes.ActionBouton(QLatin1String(notation::Info(t).button));
        if (!a)
            continue;
        connect(a, &QAction::triggered, this, [this, t] {
            if (Animer() || m_Figee) {
                Montrer(t);
                if (m_Figee)
                    Figer(*m_Figee);
            }
        });
    }
}

AnimationTours::~AnimationTours()
{
    // The window may be going away with its control: nothing is read any more.
    m_Montre = false;
    m_Anim.stop();
}

bool AnimationTours::Animer() const { return m_Animer->isChecked(); }

void AnimationTours::SetAnimer(bool oui) { m_Animer->setChecked(oui); }

void AnimationTours::SetDureeMs(int ms)
{
    m_DureeMs = std::clamp(ms, DureeMin, DureeMax);
    m_Anim.setDuration(m_DureeMs);
    QSettings().setValue(CleDuree, m_DureeMs);
    // The choice nearest to the time set is the one shown checked.
    QAction* proche = nullptr;
    for (QAction* a : m_Choix->actions())
        if (!proche || std::abs(a->data().toInt() - m_DureeMs) < std::abs(proche->data().toInt() - m_DureeMs))
            proche = a;
    if (proche)
        proche->setChecked(true);
}

bool AnimationTours::MoinsDeMouvement()
{
    return QApplication::style() && QApplication::style()->styleHint(QStyle::SH_Widget_Animation_Duration) == 0;
}

void AnimationTours::Montrer(notation::Turn t) { Montrer(animation::MouvementDe(t)); }

void AnimationTours::Montrer(const animation::Mouvement& m)
{
    if (m_Montre)
        Finir();
    if (MoinsDeMouvement()) {
        // Nothing is shown; whoever waits for the end hears of it once back in the event loop.
        QTimer::singleShot(0, this, &AnimationTours::Fini);
        return;
    }
    m_Mouvement = m;
    m_Apres = animation::LireCouleurs(m_S.CUBE());
    m_Montre = true;
    m_Progres = 0;
    m_Vue->setGeometry(m_Cube->geometry());
    m_Vue->show();
    m_Vue->update();
    m_Anim.setDuration(m_DureeMs);
    m_Anim.start();
}

void AnimationTours::Figer(double progres)
{
    if (!m_Montre)
        return;
    m_Figee = std::clamp(progres, 0.0, 1.0);
    m_Anim.stop();
    Image(*m_Figee);
}

void AnimationTours::Image(double progres)
{
    // Anything else that turned the cube meanwhile ends the turn shown: the control's picture is right.
    if (animation::LireCouleurs(m_S.CUBE()) != m_Apres) {
        Finir();
        return;
    }
    m_Progres = progres;
    m_Vue->update();
}

void AnimationTours::Finir()
{
    const bool montre = m_Montre;
    m_Montre = false;
    m_Progres = 1;
    m_Anim.stop();
    if (!qEnvironmentVariableIsSet("MERLOS_ANIMATION_FIGEE"))
        m_Figee.reset();
    m_Vue->hide();
    if (montre)
        emit Fini();
}

bool AnimationTours::EnCours() const { return m_Montre; }
