// Which stage to press, when a stage pressed did nothing: each starts only once the cube is ready
// for it, and says nothing itself.
#pragma once

#include <QString>

enum class Etape { FaceH, Arretes, Coins, ZoneM, FaceB, T };

// How far the cube is, as the stages see it.
struct Avancement {
    bool faceHaut = false;  // the top face one colour
    bool aretes = false;    // the top layer's edges over their side centres
    bool couronne = false;  // the whole top layer done
    bool milieu = false;    // every middle row the colour of its centre
    bool resolu = false;    // every face one colour
    int fautesHaut = 0;     // squares of the top face not the colour of its centre
};

// What to say when `etape` left the cube as it was, judged from how far the cube was before it
// ran; empty when there is nothing useful to say.
QString Conseil(Etape etape, const Avancement& a);
