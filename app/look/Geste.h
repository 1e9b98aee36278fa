// Gestures on the cube's picture, as plain functions of its geometry: which square lies under the
// pointer, which way a drag goes in that face's own rows and columns, and the turn a thumb would
// make there on a real cube. No widgets.
#pragma once

#include "Notation.h"

#include <optional>

namespace geste {

// Sizes and points in the picture's own units (a widget's logical pixels, say), x right, y down,
// (0, 0) the picture's upper-left corner.
struct Point {
    double x = 0, y = 0;
};

// A square of one of the three faces the picture shows, with how far one square goes on the picture
// along the face's columns and along its rows there.
struct Case {
    int position = 0;         // 0 top, 2 front, 3 right
    int ligne = 0, colonne = 0;
    Point parColonne, parLigne; // one square further along the columns / down the rows
};

// The square under `p` in a picture of `largeur` x `hauteur`, or nothing (the black background).
std::optional<Case> CaseSous(double largeur, double hauteur, Point p);

// A drag along the face: along its row (the column changes, `axe` 0) or its column (the row
// changes, `axe` 1), towards the higher numbers (`sens` +1) or the lower (-1).
struct Glisse {
    int axe = 0;
    int sens = 1;
    bool operator==(const Glisse&) const = default;
};

// The shortest drag that counts, in squares, and how much more it must go one way than the other.
constexpr double LongueurMin = 1.0 / 3;
constexpr double Nettete = 2.0;

// Which way a drag `d` from square `c` goes; nothing when it is shorter than a third of a square
// along the face, or goes along no clear row or column.
std::optional<Glisse> Direction(const Case& c, Point d);

// The quarter turn that moves the squares at (`ligne`, `colonne`) of the face at `position` the way
// `g` goes, as a thumb pushing there turns a real cube: the layer through that square square to
// the drag, turned the drag's way. One of the 18 layer turns; nothing for a position outside 0..5.
std::optional<notation::Turn> Tour(int position, int ligne, int colonne, Glisse g);

} // namespace geste
