// What the stages' files share: the class, its loop limits, and the two ways they read the cube.
#pragma once

#include "Resolveur.h"
#include "StageLoop.h"
#include "SurfaceEtapes.h"

#include <cstdint>

// Colour at a row and column of the face now at position p. The face is asked for again at every
// read: whole-cube turns move faces between positions.
inline int16_t Rel(SurfaceEtapes& s, int16_t p, int16_t Etage, int16_t Elmt)
{
    const int16_t f = s.WichFace(p);
    return s.Relatif(f, Etage, Elmt);
}

// Fills Elmts(0) to Elmts(8) with the face now at position p.
inline void LireFace(SurfaceEtapes& s, int16_t p, int16_t* Elmts)
{
    const int16_t f = s.WichFace(p);
    s.GetFace(f, Elmts);
}

// The options the stages choose, by their buttons' names.
using enum SurfaceEtapes::Option;
