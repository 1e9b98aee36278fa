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
    bool operator==(const Mouvement&) const = default;
};
Mouvement MouvementDe(notation::Turn t);
// z (clockwise seen from the front, as F) and z' (`prime`): the whole cube about the front's axis.
Mouvement MouvementZ(bool prime);

// Each position's face in the cube [0,3]^3: its corner of square 0, the way its columns and its
// rows grow, and its outward normal, as the control numbers the squares (the back's stored half
// turn included).
struct Cote {
    int origine[3], colonnes[3], lignes[3], normale[3];
};
const Cote& CoteDe(int position);

// A look at the cube from elsewhere: the cube turned about its centre, first `lacet` degrees about
// its vertical axis (positive: its front goes to the right), then `tangage` degrees about the axis
// from its left to its right (positive: its front goes down). At a whole number of quarter turns the
// cube stands exactly as whole-cube turns would put it; in between it is drawn smaller where it
// would not fit the picture.
struct Regard {
    double lacet = 0, tangage = 0;
    bool Repos() const { return lacet == 0 && tangage == 0; }
    bool operator==(const Regard&) const = default;
};

// Draws into `image` (Format_RGB32, any size; the cube is stretched to it as the control's picture
// is) the cube of colours `apres`, the state after turn `t`, at `progres` of the turn: 0 shows the
// cube before the turn, 1 after it, seen as `regard` says. At 1, seen as drawn, the frame is the
// control's composed picture pixel for pixel. Body, background and the inside of the cut are black.
void Dessiner(QImage& image, const Couleurs& apres, notation::Turn t, double progres, const Regard& regard = {});
void Dessiner(QImage& image, const Couleurs& apres, const Mouvement& m, double progres, const Regard& regard = {});

} // namespace animation
