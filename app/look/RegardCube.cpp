#include "RegardCube.h"

#include "AnimationTours.h"
#include "CUBEDriver.h"
#include "Contexte.h"
#include "ModeleSession.h"
#include "PeintureAuxPixels.h"
#include "TableCommandes.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <functional>

// Lies over the cube while the view is turned, above the turn shown and below everything else, and
// lets the mouse through to the cube. Each frame is the cube as it stands, and a turn being shown
// is drawn turning, so the look and the animation agree.
class VueRegard : public QWidget {
public:
    VueRegard(RegardCube& r, const Contexte& c, const AnimationTours& a) : QWidget(c.cube->parentWidget()), m_R(r), m_C(c), m_A(a)
    {
        setObjectName(QStringLiteral("VueRegard"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
        hide();
        // Right above the turn shown (which lies right above the cube), under every other control.
        QWidget* dessous = c.fenetre.findChild<QWidget*>(QStringLiteral("VueTour"), Qt::FindDirectChildrenOnly);
        if (!dessous)
            dessous = c.cube;
        const QObjectList& freres = parentWidget()->children();
        for (qsizetype k = freres.indexOf(dessous) + 1; k >= 1 && k < freres.size(); ++k)
            if (auto* x = qobject_cast<QWidget*>(freres[k]); x && x != this) {
                stackUnder(x);
                break;
            }
        // Something may turn the cube while it is looked at (a replay at its pace, a turn shown).
        m_Suivi.setInterval(16);
        connect(&m_Suivi, &QTimer::timeout, this, [this] {
            if (m_A.EnCours() || animation::LireCouleurs(m_C.session.CUBE()) != m_Couleurs)
                update();
        });
    }

protected:
    void showEvent(QShowEvent*) override { m_Suivi.start(); }
    void hideEvent(QHideEvent*) override { m_Suivi.stop(); }
    void paintEvent(QPaintEvent*) override
    {
        animation::PeindreAuxPixels(*this, m_Image, [this](QImage& image) {
            m_Couleurs = animation::LireCouleurs(m_C.session.CUBE());
            const AnimationTours& a = m_A;
            if (a.EnCours())
                animation::Dessiner(image, m_Couleurs, a.Mouvement(), a.Progres(), m_R.Regard());
            else
                animation::Dessiner(image, m_Couleurs, notation::Turn::Haut, 1, m_R.Regard());
        });
    }

private:
    RegardCube& m_R;
    const Contexte& m_C;
    const AnimationTours& m_A;
    QImage m_Image;
    animation::Couleurs m_Couleurs{};
    QTimer m_Suivi;
};

namespace {

// Whether Alt is still held: a look by key stays while it is.
class SuiviAlt : public QObject {
public:
    explicit SuiviAlt(QObject* parent, std::function<void(bool)> change) : QObject(parent), m_Change(std::move(change))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(e)->modifiers() & Qt::AltModifier)
                Poser(true);
            break;
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Alt || !(static_cast<QKeyEvent*>(e)->modifiers() & Qt::AltModifier))
                Poser(false);
            break;
        case QEvent::ApplicationDeactivate:
        case QEvent::WindowDeactivate:
            Poser(false);
            break;
        default:
            break;
        }
        return false;
    }
    bool Tenu() const { return m_Tenu; }

private:
    void Poser(bool tenu)
    {
        if (tenu == m_Tenu)
            return;
        m_Tenu = tenu;
        m_Change(tenu);
    }
    std::function<void(bool)> m_Change;
    bool m_Tenu = false;
};

animation::Regard Borne(animation::Regard r)
{
    r.lacet = std::clamp(r.lacet, -RegardCube::LacetMax, RegardCube::LacetMax);
    r.tangage = std::clamp(r.tangage, RegardCube::TangageMin, RegardCube::TangageMax);
    return r;
}

struct ToucheDef {
    const char* nom;
    const char* texte;
    const char* statut;
    Qt::Key touche;
    double lacet, tangage;
};

// The view turns the way the whole-cube buttons turn the cube: right brings the left face to the
// front, up the bottom face.
constexpr ToucheDef Touches[] = {
    {"RegardGauche", QT_TRANSLATE_NOOP("RegardCube", "Look from the &right"),
     QT_TRANSLATE_NOOP("RegardCube", "Turn the view to the left, to see the right and back faces; the cube and the log stay as they are"),
     Qt::Key_Left, -RegardCube::Pas, 0},
    {"RegardDroite", QT_TRANSLATE_NOOP("RegardCube", "Look from the &left"),
     QT_TRANSLATE_NOOP("RegardCube", "Turn the view to the right, to see the left and back faces; the cube and the log stay as they are"),
     Qt::Key_Right, RegardCube::Pas, 0},
    {"RegardHaut", QT_TRANSLATE_NOOP("RegardCube", "Look from &below"),
     QT_TRANSLATE_NOOP("RegardCube", "Turn the view up, to see the bottom face; the cube and the log stay as they are"),
     Qt::Key_Up, 0, -RegardCube::Pas},
    {"RegardBas", QT_TRANSLATE_NOOP("RegardCube", "Look from &above"),
     QT_TRANSLATE_NOOP("RegardCube", "Turn the view down, to see the top face; the cube and the log stay as they are"),
     Qt::Key_Down, 0, RegardCube::Pas},
};

} // namespace

RegardCube::RegardCube(const Contexte& c, const AnimationTours& a) : QObject(&c.fenetre), m_C(c)
{
    setObjectName(QStringLiteral("RegardCube"));
    m_Vue = new VueRegard(*this, c, a);
    c.cube->installEventFilter(this);
    // The right button drags the view: no menu on the cube.
    c.cube->setContextMenuPolicy(Qt::PreventContextMenu);

    m_Anim.setStartValue(0.0);
    m_Anim.setEndValue(1.0);
    m_Anim.setEasingCurve(QEasingCurve::InOutCubic);
    connect(&m_Anim, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        if (m_Anim.state() != QAbstractAnimation::Running)
            return;
        const double p = v.toDouble();
        Poser({m_Depuis.lacet + p * (m_Vers.lacet - m_Depuis.lacet), m_Depuis.tangage + p * (m_Vers.tangage - m_Depuis.tangage)});
    });
    connect(&m_Anim, &QVariantAnimation::finished, this, [this] {
        Poser(m_Vers);
        PeutRevenir();
    });
    m_Attente.setSingleShot(true);
    m_Attente.setInterval(AttenteMs);
    connect(&m_Attente, &QTimer::timeout, this, &RegardCube::PeutRevenir);
    auto* alt = new SuiviAlt(this, [this](bool tenu) {
        m_AltTenu = tenu && m_AltTenu;
        PeutRevenir();
    });

    for (const ToucheDef& t : Touches) {
        auto* a = new QAction(tr(t.texte), this);
        a->setObjectName(QLatin1String(t.nom));
        a->setShortcut(QKeySequence(Qt::ALT | t.touche));
        a->setStatusTip(tr(t.statut));
        a->setAutoRepeat(false);
        connect(a, &QAction::triggered, this, [this, alt, l = t.lacet, g = t.tangage] {
            m_AltTenu = alt->Tenu();
            Tourner(l, g);
        });
        c.commandes.Ajouter(TableCommandes::Affichage, a);
    }

    const QStringList fige = qEnvironmentVariable("MERLOS_REGARD_FIGE").split(QLatin1Char(','));
    bool l = false, g = false;
    if (fige.size() == 2) {
        const double lacet = fige[0].toDouble(&l), tangage = fige[1].toDouble(&g);
        if (l && g)
            Figer(Borne({lacet, tangage}));
    }
}

RegardCube::~RegardCube() { m_Anim.stop(); }

void RegardCube::Figer(const animation::Regard& r)
{
    m_Fige = true;
    m_Anim.stop();
    Poser(r);
}

void RegardCube::Relacher()
{
    m_Fige = false;
    PeutRevenir();
}

void RegardCube::Tourner(double lacet, double tangage)
{
    // From where the view is going, so quick presses add up.
    const animation::Regard depuis = m_Anim.state() == QAbstractAnimation::Running ? m_Vers : m_Regard;
    m_Attente.start();
    Aller(Borne({depuis.lacet + lacet, depuis.tangage + tangage}), 250);
}

void RegardCube::Poser(const animation::Regard& r)
{
    if (r == m_Regard)
        return;
    m_Regard = r;
    if (m_Regard.Repos()) {
        m_Vue->hide();
    } else {
        m_Vue->setGeometry(m_C.cube->geometry());
        m_Vue->show();
        m_Vue->update();
    }
    emit Change();
}

void RegardCube::Aller(const animation::Regard& cible, int ms)
{
    m_Anim.stop();
    m_Depuis = m_Regard;
    m_Vers = cible;
    if (ms <= 0 || AnimationTours::MoinsDeMouvement()) {
        Poser(cible);
        PeutRevenir();
        return;
    }
    m_Anim.setDuration(ms);
    m_Anim.start();
}

void RegardCube::PeutRevenir()
{
    if (m_Fige || m_Regard.Repos() || m_Prise == Prise::Vue || m_AltTenu || m_Attente.isActive()
        || m_Anim.state() == QAbstractAnimation::Running)
        return;
    // Quickly from near, a little longer from the far side.
    const double loin = std::max(std::fabs(m_Regard.lacet), std::fabs(m_Regard.tangage));
    Aller({}, 150 + static_cast<int>(200 * loin / LacetMax));
}

bool RegardCube::eventFilter(QObject* objet, QEvent* event)
{
    if (objet != m_C.cube)
        return false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        m_Vue->setGeometry(m_C.cube->geometry());
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return Souris(event);
    default:
        return false;
    }
}

bool RegardCube::Souris(QEvent* event)
{
    auto* e = static_cast<QMouseEvent*>(event);
    const QPointF pos = e->position();
    const QSize taille = m_C.cube->size();
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (m_Prise != Prise::Aucune)
            return true;
        m_Case.reset();
        if (e->button() == Qt::LeftButton && !Ailleurs())
            m_Case = geste::CaseSous(taille.width(), taille.height(), {pos.x() + 0.5, pos.y() + 0.5});
        if (e->button() != Qt::RightButton && e->button() != Qt::LeftButton)
            return false;
        m_Bouton = e->button();
        m_Depart = pos;
        m_Prise = m_Case ? Prise::Couche : Prise::Vue;
        if (m_Prise == Prise::Vue) {
            m_Anim.stop();
            m_Attente.stop();
            m_RegardDepart = m_Regard;
            m_C.cube->setCursor(Qt::ClosedHandCursor);
        }
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        if (m_Prise == Prise::Vue && (e->buttons() & m_Bouton)) {
            // The cube follows the pointer: across the whole picture is half a turn.
            const QPointF d = pos - m_Depart;
            Poser(Borne({m_RegardDepart.lacet + d.x() * 180 / std::max(1, taille.width()),
                         m_RegardDepart.tangage + d.y() * 180 / std::max(1, taille.height())}));
        }
        return m_Prise != Prise::Aucune;
    }
    // Release.
    if (m_Prise == Prise::Aucune || e->button() != m_Bouton)
        return m_Prise != Prise::Aucune;
    const Prise prise = m_Prise;
    m_Prise = Prise::Aucune;
    if (prise == Prise::Vue) {
        m_C.cube->unsetCursor();
        PeutRevenir();
    } else if (m_Case) {
        Pousser(*m_Case, m_Depart, pos);
    }
    return true;
}

void RegardCube::Pousser(const geste::Case& c, QPointF depart, QPointF arrivee)
{
    const auto g = geste::Direction(c, {arrivee.x() - depart.x(), arrivee.y() - depart.y()});
    if (!g)
        return;
    const auto t = geste::Tour(c.position, c.ligne, c.colonne, *g);
    if (!t)
        return;
    // The arrow that makes the turn, pressed: its log line, its Undo step, its animation.
    if (auto* b = m_C.fenetre.findChild<QPushButton*>(QLatin1String(notation::Info(*t).button)); b && b->isEnabled())
        b->click();
}
