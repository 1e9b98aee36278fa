// RenduTour: one frame of a quarter turn, drawn in 3-D from the cube's geometry and the camera the
// control's picture is fitted to. No widgets: a QImage in, a QImage out.
#pragma once

#include "Notation.h"

#include <QImage>

#include <array>
#include <cstdint>

namespace animation {

// The cube's colours as they stand, position by position (0 top, 1 left, 2 front, 3 right, 4 back,
// 5 bottom), each in its face's square order as the control numbers them.
using Couleurs = std::array<std::array<int16_t, 9>, 6>;

// What a turn moves: the cubes whose coordinate along `axe` (0 x left to right, 1 y bottom to top,
// 2 z back to front) lies between `debut` and `fin`, a quarter turn about that axis, `sens` +1
// anticlockwise seen from the axis' positive end, -1 clockwise.
struct Mouvement {
    int axe;
    int debut, fin;
    int sens;
};
Mouvement MouvementDe(notation::Turn t);

// Draws into `image` (Format_RGB32, any size; the cube is stretched to it as the control's picture
// is) the cube of colours `apres`, the state after turn `t`, at `progres` of the turn: 0 shows the
// cube before the turn, 1 after it. At 1 the frame is the control's composed picture pixel for
// pixel. Body, background and the inside of the cut are black.
void Dessiner(QImage& image, const Couleurs& apres, notation::Turn t, double progres);

} // namespace animation
