// What the stages share besides Merlo itself.
#pragma once

#include "Merlo.h"
#include "StageLoop.h"

#include <QRadioButton>

#include <cstdint>

// Colour at a row and column of the face now at position p. The face is asked for again at every
// read: whole-cube turns move faces between positions.
inline int16_t Rel(Merlo& w, int16_t p, int16_t Etage, int16_t Elmt)
{
    const int16_t f = w.CUBE().WichFace(p);
    return w.CUBE().Relatif(f, Etage, Elmt);
}

// Fills Elmts(0) to Elmts(8) with the face now at position p.
inline void LireFace(Merlo& w, int16_t p, int16_t* Elmts)
{
    const int16_t f = w.CUBE().WichFace(p);
    w.CUBE().GetFace(f, Elmts);
}
