// RegardCube: looking around the cube and turning its layers by hand, on the cube's picture.
//
// - A drag with the right button anywhere on the picture, or with the left on its black background,
//   turns the view about the cube's centre, following the pointer; on release the view eases back
//   to the drawn view. The cube, the log and the counter never change, and a replay goes on.
// - The keys of the View menu (Alt and an arrow) turn the view a quarter turn at a time; it stays
//   while Alt is held, and at least a moment, then eases back.
// - A drag with the left button from a square along its row or column presses the arrow button that
//   turns that layer that way, so the log, Undo and the animation are the button's own.
//
// While the view is turned, a frame drawn in 3-D from the artwork's camera lies over the cube; at
// rest it is hidden and the control's own picture shows.
//
// MERLOS_REGARD_FIGE=LACET,TANGAGE (degrees), read here only: the view is held there from the start,
// for screenshots.
#pragma once

#include "Geste.h"
#include "RenduTour.h"

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <QVariantAnimation>

#include <optional>

class AnimationTours;
struct Contexte;
class QAction;
class VueRegard;

class RegardCube : public QObject {
    Q_OBJECT

public:
    // How far the view may turn, in degrees: all the way round to the back, and over to the bottom.
    static constexpr double LacetMax = 180, TangageMin = -135, TangageMax = 90;
    // A key's step, and how long the view stays after the last one once Alt is let go.
    static constexpr double Pas = 90;
    static constexpr int AttenteMs = 1000;

    RegardCube(const Contexte& c, const AnimationTours& a);
    ~RegardCube() override;

    const animation::Regard& Regard() const { return m_Regard; }
    // Holds the view at `r` (no easing back) until Relacher().
    void Figer(const animation::Regard& r);
    void Relacher();
    // Whether the view is away from the drawn one, or on its way back.
    bool Ailleurs() const { return !m_Regard.Repos(); }

    // The View menu's keys: turn the view by a step that way.
    void Tourner(double lacet, double tangage);

signals:
    // Each time the view changes.
    void Change();

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    bool Souris(QEvent* event);
    void Poser(const animation::Regard& r);
    void Aller(const animation::Regard& cible, int ms);
    void PeutRevenir();
    void Pousser(const geste::Case& c, QPointF depart, QPointF arrivee);

    const Contexte& m_C;
    VueRegard* m_Vue = nullptr;
    animation::Regard m_Regard, m_Depuis, m_Vers;
    QVariantAnimation m_Anim;
    QTimer m_Attente;
    bool m_Fige = false;
    bool m_AltTenu = false;
    // A press on the picture: the button, where, and the square under it for a turn by hand.
    enum class Prise { Aucune, Vue, Couche } m_Prise = Prise::Aucune;
    Qt::MouseButton m_Bouton = Qt::NoButton;
    QPointF m_Depart;
    animation::Regard m_RegardDepart;
    std::optional<geste::Case> m_Case;
};
