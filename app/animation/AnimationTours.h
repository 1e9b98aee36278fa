// AnimationTours: shows a quarter turn happening. The control changes the cube at once; this only
// makes the picture follow, drawn over the control while a turn is shown and hidden at rest, so the
// control's own picture is what shows whenever nothing turns.
//
// For a replay or any caller that turns the cube one step at a time:
//   Montrer(t)  the control has just made turn t: show it from the picture before to now. Works
//               whatever "Animate turns" says, at the speed set in "Turn speed"; a turn still
//               shown is finished at once first. Shows nothing when the desktop asks for reduced
//               motion.
//   Finir()     ends the shown turn at once (the control's picture shows).
//   EnCours()   whether a turn is being shown.
//   Fini        emitted whenever a shown turn ends, run to its end or cut short (from inside
//               Finir() or Montrer() when a turn is cut short: connect it queued to chain turns);
//               with reduced motion, emitted once back in the event loop for the turn not shown.
// A change of the cube made while a turn is shown (by anything but a turn shown here) ends it at
// once, so the picture never shows a cube that is not the control's.
//
// MERLOS_ANIMATION_FIGEE=P (0 <= P <= 1), read here only: every turn a person makes is shown and
// held at P of its way, for screenshots.
#pragma once

#include "Notation.h"
#include "RenduTour.h"

#include <QObject>
#include <QPointer>
#include <QVariantAnimation>

#include <optional>

class CUBEDriver;
struct Contexte;
class ModeleSession;
class QAction;
class QActionGroup;
class QMenu;
class VueTour;

class AnimationTours : public QObject {
    Q_OBJECT

public:
    static constexpr int DureeMin = 80, DureeMax = 600, DureeDefaut = 200;

    // Watches the commands of the window's 22 turn buttons: one run (a click or its key) is shown
    // when "Animate turns" is on. Commands that turn the cube through the session (stages, macros,
    // scramble, paste, Inv) run no turn button's command, so they show only their end.
    explicit AnimationTours(const Contexte& c);
    ~AnimationTours() override;

    void Montrer(notation::Turn t);
    // The same for a turn no button makes (z: the whole cube about the front's axis).
    void Montrer(const animation::Mouvement& m);
    void Finir();
    bool EnCours() const;
    // The turn being shown (valid while EnCours()).
    const animation::Mouvement& Mouvement() const { return m_Mouvement; }

    // "Animate turns" (objectName "AnimerTours", checkable, remembered) and the "Turn speed" menu
    // (objectName "VitesseTours", its choices "VitesseTours<ms>"), for the window's menus.
    QAction* ActionAnimer() const { return m_Animer; }
    QAction* ActionVitesse() const { return m_Vitesse; }

    bool Animer() const;
    void SetAnimer(bool oui);
    // A quarter turn's time, clamped to DureeMin..DureeMax; remembered.
    int DureeMs() const { return m_DureeMs; }
    void SetDureeMs(int ms);
    // Whether the desktop asks for no animations (the style's animation time is 0).
    static bool MoinsDeMouvement();

    // Holds the turn shown at `progres` (0..1) until Finir() or the next turn.
    void Figer(double progres);
    // Where the shown turn is, 0..1; 1 at rest.
    double Progres() const { return m_Progres; }

signals:
    void Fini();

private:
    void Image(double progres);
    ModeleSession& m_S;
    QWidget* m_Cube;
    VueTour* m_Vue = nullptr;
    QVariantAnimation m_Anim;
    QAction* m_Animer = nullptr;
    QAction* m_Vitesse = nullptr;
    QActionGroup* m_Choix = nullptr;
    int m_DureeMs = DureeDefaut;
    double m_Progres = 1;
    bool m_Montre = false;
    std::optional<double> m_Figee;
    animation::Mouvement m_Mouvement = animation::MouvementDe(notation::Turn::HHD);
    animation::Couleurs m_Apres{};
    friend class VueTour;
};

namespace animation {
// The cube's colours as they stand, read through the control.
Couleurs LireCouleurs(CUBEDriver& d);
} // namespace animation
