// Runs the stage buttons' stages exactly as they are, and when one leaves the cube as it was, says
// briefly why and which stage to press first, judged from the cube before the stage ran.
#pragma once

#include "Conseil.h"

#include <QObject>

class Avis;
class Merlo;
class Resolveur;

class GuideEtapes : public QObject {
public:
    GuideEtapes(Merlo& w, Avis& avis);

    // How far the cube is now, read through the control's interface.
    Avancement Lire();

private:
    void Lancer(Etape e, void (Resolveur::*etape)());

    Merlo& m_W;
    Avis& m_Avis;
};
