// Runs the stage buttons' stages exactly as they are, and when one leaves the cube as it was, says
// briefly why and which stage to press first, judged from the cube before the stage ran; when one
// solves it, says so.
#pragma once

#include "Conseil.h"

#include <QObject>

#include <functional>

class Avis;
class ModeleSession;
struct Contexte;

class GuideEtapes : public QObject {
public:
    explicit GuideEtapes(const Contexte& c);

    // Runs `etape`, the stage of the button named `bouton` ("RangerHaut" ... "UneFace").
    void Lancer(const QString& bouton, const std::function<void()>& etape);

    // How far the cube is now, read through the control's interface.
    Avancement Lire();

    // Once a stage's command is over: when it solved the cube (`avant`: whether it was solved
    // before), says so with the number of moves since the last scramble.
    void DireSiResolu(bool avant);

private:
    ModeleSession& m_S;
    Avis& m_Avis;
};
