// The whole cube read from the control and put back, through its dispatch interface: one reader for
// everyone who needs every square (Undo, the session's snapshot, positions, the animation).
#pragma once

#include "EtatSession.h"

#include <array>
#include <cstdint>

class CUBEDriver;

// Which face stands where and every face's squares as stored; `faceVue` is the window's, not the
// control's, and is passed through.
EtatCube LireCube(CUBEDriver& cube, int16_t faceVue = 0);

// Puts the cube back exactly, however it was held, and repaints it. A cube no cube can be (a face
// or a colour out of range) is the control's to refuse square by square, as it refuses any call.
void PoserCube(CUBEDriver& cube, const EtatCube& etat);

// The colours as they stand, position by position (0 top ... 5 bottom), each face as stored.
std::array<std::array<int16_t, 9>, 6> ParPosition(const EtatCube& etat);
