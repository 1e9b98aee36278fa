// The cube as pieces, and the numbers the search works with. Places and pieces are numbered as in
// notation::Pieces: corners URF UFL ULB UBR DFR DLF DBL DRB, edges UR UF UL UB DR DF DL DB FR FL BL BR.
#pragma once

#include "ShortSolve.h"

#include <array>
#include <cstdint>

namespace shortsolve::detail {

struct Cubie {
    std::array<int8_t, 8> cp, co;
    std::array<int8_t, 12> ep, eo;

    static Cubie Solved();
    // This cube, then `b` (b's places take their pieces from ours).
    Cubie Then(const Cubie& b) const;
    Cubie Inverse() const;
    bool operator==(const Cubie&) const = default;
};

Cubie FromPieces(const notation::Pieces& p);
notation::Pieces ToPieces(const Cubie& c);
// The 18 face turns, as cubes.
const std::array<Cubie, 18>& MoveCubes();
// The turn of the whole cube a third of a turn about the URF-DBL corner axis: U goes to R, R to F,
// F to U.
const Cubie& TurnURF();

constexpr int Twists = 2187, Flips = 2048, Slices = 495;
constexpr int CornerPerms = 40320, EdgePerms8 = 40320, SlicePerms = 24;

int Twist(const Cubie& c);
int Flip(const Cubie& c);
int Slice(const Cubie& c);    // where the four middle-layer edges are, in any order
int CornerPerm(const Cubie& c);
int EdgePerm8(const Cubie& c); // the top and bottom edges' order, for a cube whose middle edges are home
int SlicePerm(const Cubie& c); // the middle edges' order, for a cube whose middle edges are home
extern const int SliceHome;
constexpr int Combs = 70;
int CornerComb(const Cubie& c); // which places the top layer's corners are in, in any order
int EdgeComb(const Cubie& c);   // the same for the top layer's edges, among the top and bottom ones
extern const int CombHome;
void SetCornerComb(Cubie& c, int v);
void SetEdgeComb(Cubie& c, int v);

// The same read from the pieces' places alone: the order of 8 pieces 0 to 7, of 4 pieces 8 to 11
// (the middle edges), which 4 of 8 places hold the pieces 0 to 3.
int Order8(const int8_t* p);
int Order4(const int8_t* p);
int CombOf(const int8_t* p);

void SetTwist(Cubie& c, int v);
void SetFlip(Cubie& c, int v);
void SetSlice(Cubie& c, int v);
void SetCornerPerm(Cubie& c, int v);
void SetEdgePerm8(Cubie& c, int v);
void SetSlicePerm(Cubie& c, int v);

// The moves of the second phase: U, D in quarter and half turns, R2 L2 F2 B2.
constexpr std::array<Move, 10> Phase2Moves{0, 1, 2, 9, 10, 11, 4, 13, 7, 16};

// The 16 symmetries of the cube that keep the U-D axis (a quarter turn about it, a half turn about
// the F-B axis, a mirror between left and right): moves go to moves, the first phase's group and
// the second phase's moves to themselves.
constexpr int Syms = 16;
// The cube seen through symmetry s (a conjugation).
Cubie Symmetric(const Cubie& x, int s);
// The symmetry that undoes each one.
const std::array<int8_t, Syms>& UndoSym();

} // namespace shortsolve::detail
