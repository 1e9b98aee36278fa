// Helpers shared by the cube model tests: reading the whole visible state, orienting the cube,
// and an independent 3-D picture of where every square sits.
#pragma once

#include "CUBECtl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

namespace cubetest {

enum Pos : int { Top = 0, Left = 1, Front = 2, Right = 3, Back = 4, Bottom = 5 };

using Squares = std::array<int16_t, 9>;
using Perm = std::array<int, 9>; // new square k takes old square q[k]
inline constexpr Perm Cw{6, 3, 0, 7, 4, 1, 8, 5, 2};
inline constexpr Perm Ccw{2, 5, 8, 1, 4, 7, 0, 3, 6};
inline constexpr Perm Half{8, 7, 6, 5, 4, 3, 2, 1, 0};

// Everything a caller can observe of the cube: face per position and the squares of every face.
struct State {
    std::array<int16_t, 6> where{};
    std::array<Squares, 6> faces{};
    bool operator==(const State&) const = default;
};

inline void PrintTo(const State& s, std::ostream* os)
{
    *os << "\n  where:";
    for (int16_t f : s.where)
        *os << ' ' << f;
    for (int f = 0; f < 6; ++f) {
        *os << "\n  face " << f << ':';
        for (int16_t v : s.faces[f])
            *os << ' ' << v;
    }
}

inline State Read(const CCUBECtrl& c)
{
    State s;
    for (int16_t p = 0; p < 6; ++p)
        s.where[p] = c.WichFace(p);
    for (int16_t f = 0; f < 6; ++f)
        c.GetFace(f, s.faces[f].data());
    return s;
}

// The squares of whatever face stands at each position.
inline std::array<Squares, 6> ByPosition(const CCUBECtrl& c)
{
    std::array<Squares, 6> v{};
    for (int16_t p = 0; p < 6; ++p)
        c.GetFace(c.WichFace(p), v[p].data());
    return v;
}

// Every square a value of its own, so a misplaced square cannot hide behind an equal colour.
inline void Distinct(CCUBECtrl& c)
{
    for (int16_t f = 0; f < 6; ++f) {
        Squares v;
        for (int s = 0; s < 9; ++s)
            v[s] = int16_t(10 * f + s);
        c.SetFace(f, v.data());
    }
}

// --- turns -------------------------------------------------------------------------------------

enum Kind : char { V = 'V', H = 'H', T = 'T' };
struct Move {
    Kind kind;
    int16_t face, dir;
};

inline void Apply(CCUBECtrl& c, Move m, int16_t n = 1)
{
    switch (m.kind) {
    case V: c.MvtV(m.face, m.dir, n); break;
    case H: c.MvtH(m.face, m.dir, n); break;
    case T: c.MvtT(m.face, m.dir, n); break;
    }
}

inline Move Inverse(Move m) { return {m.kind, m.face, int16_t(1 - m.dir)}; }

inline std::vector<Move> AllLayerTurns()
{
    std::vector<Move> all;
    for (Kind k : {V, H, T})
        for (int16_t f = 0; f < 3; ++f)
            for (int16_t d = 0; d < 2; ++d)
                all.push_back({k, f, d});
    return all;
}

inline std::vector<Move> RandomMoves(std::mt19937& rng, int count)
{
    const auto all = AllLayerTurns();
    std::vector<Move> seq;
    for (int i = 0; i < count; ++i)
        seq.push_back(all[rng() % all.size()]);
    return seq;
}

// --- orientations ------------------------------------------------------------------------------

// Each of the 24 orientations as the positions whose face PlacerFace brings forward, in turn, from
// the start (quarter turns only: top, left, right, bottom).
inline const std::vector<std::vector<int>>& Orientations()
{
    static const std::vector<std::vector<int>> all = [] {
        std::vector<std::vector<int>> paths{{}};
        std::vector<std::array<int16_t, 6>> seen;
        for (size_t i = 0; i < paths.size(); ++i) {
            CCUBECtrl c;
            for (int p : paths[i])
                c.PlacerFace(c.WichFace(int16_t(p)));
            const auto where = Read(c).where;
            if (std::find(seen.begin(), seen.end(), where) != seen.end()) {
                paths.erase(paths.begin() + long(i--));
                continue;
            }
            seen.push_back(where);
            if (paths[i].size() < 4)
                for (int p : {Top, Left, Right, Bottom}) {
                    auto next = paths[i];
                    next.push_back(p);
                    paths.push_back(next);
                }
        }
        return paths;
    }();
    return all;
}

inline void Orient(CCUBECtrl& c, const std::vector<int>& turns)
{
    for (int p : turns)
        c.PlacerFace(c.WichFace(int16_t(p)));
}

// Any orientation, also through the back face and the no-op of the front.
inline void RandomOrient(CCUBECtrl& c, std::mt19937& rng)
{
    for (int i = 0; i < 8; ++i)
        c.PlacerFace(c.WichFace(int16_t(rng() % 6)));
}

// --- 3-D picture of the squares ----------------------------------------------------------------
// x runs left to right, y bottom to top, z back to front; a square is its small cube and its
// outward direction.

struct Vec {
    int x, y, z;
    bool operator==(const Vec&) const = default;
    int operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
};
inline Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// Quarter turn about the unit axis k, right-handed: v -> k x v + k (k . v).
inline Vec Rotate(Vec v, Vec k)
{
    const Vec c = Cross(k, v);
    const int d = k.x * v.x + k.y * v.y + k.z * v.z;
    return {c.x + k.x * d, c.y + k.y * d, c.z + k.z * d};
}

struct Spot {
    Vec cubie, normal;
    bool operator==(const Spot&) const = default;
};

inline constexpr std::array<Vec, 6> Normal{{{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}, {1, 0, 0}, {0, 0, -1}, {0, -1, 0}}};

// Where square s of the face at position p lies.
inline Spot Place(int p, int s)
{
    const int r = s / 3, c = s % 3;
    switch (p) {
    case Top: return {{c - 1, 1, r - 1}, Normal[p]};    // rows back to front, columns left to right
    case Left: return {{-1, 1 - r, c - 1}, Normal[p]};  // rows top to bottom, columns back to front
    case Front: return {{c - 1, 1 - r, 1}, Normal[p]};  // rows top to bottom, columns left to right
    case Right: return {{1, 1 - r, 1 - c}, Normal[p]};  // rows top to bottom, columns front to back
    case Back: return {{c - 1, r - 1, -1}, Normal[p]};  // rows bottom to top, columns left to right
    default: return {{c - 1, -1, 1 - r}, Normal[p]};    // bottom: rows front to back, columns left to right
    }
}

// The squares by position after turning, `quarters` times about `axis`, every small cube whose
// coordinate `coord` equals `layer` (coord -1: the whole cube).
inline std::array<Squares, 6> Rigid(const std::array<Squares, 6>& before, Vec axis, int quarters, int coord,
                                    int layer)
{
    std::array<Squares, 6> after = before;
    for (int p = 0; p < 6; ++p)
        for (int s = 0; s < 9; ++s) {
            Spot spot = Place(p, s);
            if (coord >= 0 && spot.cubie[coord] != layer)
                continue;
            for (int q = 0; q < quarters; ++q)
                spot = {Rotate(spot.cubie, axis), Rotate(spot.normal, axis)};
            bool found = false;
            for (int p2 = 0; p2 < 6 && !found; ++p2)
                for (int s2 = 0; s2 < 9 && !found; ++s2)
                    if (Place(p2, s2) == spot) {
                        after[p2][s2] = before[p][s];
                        found = true;
                    }
            EXPECT_TRUE(found);
        }
    return after;
}

} // namespace cubetest
