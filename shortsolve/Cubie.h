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

void SetTwist(Cubie& c, int v);
void SetFlip(Cubie& c, int v);
void SetSlice(Cubie& c, int v);
void SetCornerPerm(Cubie& c, int v);
void SetEdgePerm8(Cubie& c, int v);
void SetSlicePerm(Cubie& c, int v);

// The moves of the second phase: U, D in quarter and half turns, R2 L2 F2 B2.
constexpr std::array<Move, 10> Phase2Moves{0, 1, 2, 9, 10, 11, 4, 13, 7, 16};

struct Tables {
    // Moves of the coordinates, [value * 18 + move] (second phase: [value * 10 + index]).
    std::vector<uint16_t> twistMove, flipMove, sliceMove;
    std::vector<uint16_t> cornerMove2, edgeMove2;
    std::vector<uint8_t> sliceMove2, cornerCombMove2, edgeCombMove2;
    // Moves to the first phase's group, at least: twist x slice, flip x slice, twist x flip.
    std::vector<uint8_t> twistSlice, flipSlice, twistFlip;
    // Moves to solved within it, at least: corners x middle edges, other edges x middle edges.
    std::vector<uint8_t> cornerSlice2, edgeSlice2;
    // And: corners x where the top edges are, edges x where the top corners are.
    std::vector<uint8_t> cornerComb2, edgeComb2;

    void Build();
    // All of it as one block of bytes, and back (false when the block does not fit).
    std::vector<uint8_t> Save() const;
    bool Load(const std::vector<uint8_t>& bytes);
};

const Tables& Ready(); // PrepareTables() and the tables it made

// The cube seen through symmetry s of the 16 that keep the U-D axis (a conjugation: moves go to moves).
Cubie Symmetric(const Cubie& x, int s);

// Exact distances to the first phase's group, by symmetry class of flip and middle-edge places.
struct Phase1Table {
    static constexpr int Syms = 16;
    int classes = 0;
    std::vector<uint32_t> classOf;   // [flip * Slices + slice]: class << 4 | the symmetry taking it there
    std::vector<uint16_t> twistConj; // [twist * Syms + symmetry]
    std::vector<uint64_t> dist;      // two bits an entry, [class * Twists + twist]: distance mod 3

    // False when stopped by `abort` before the end.
    bool Build(const Tables& t, const std::atomic<bool>& abort);
    int Index(int tw, int fl, int sl) const;
    int Mod3At(std::size_t i) const { return int(dist[i >> 5] >> ((i & 31) * 2) & 3); }
    int Mod3(int tw, int fl, int sl) const { return Mod3At(std::size_t(Index(tw, fl, sl))); }
    // The exact distance, walking down the table.
    int Distance(int tw, int fl, int sl, const Tables& t) const;
    std::vector<uint8_t> Save() const;
    bool Load(const std::vector<uint8_t>& bytes);
};

// The full first-phase table once built or loaded (null until then), and a wait for it.
const Phase1Table* FullTable();
void WaitFullTable();

} // namespace shortsolve::detail
