// The positions the window's turns make, square by square: each turn moves the squares of its
// layer (or of the whole cube) a quarter turn about its axis. Worked out once per turn as where each
// square goes, so a long log plays at one copy of 54 squares a turn.
#include "Position.h"

#include "Notation.h"

#include <array>

namespace notation {

namespace {

struct Spot {
    int p[3], n[3];
    bool operator==(const Spot&) const = default;
};

// Square s in space: x to the right, y up, z to the front; where it is and which way it faces.
Spot SpotOf(int s)
{
    const int r = s % 9 / 3, c = s % 3;
    switch (s / 9) {
    case U: return {{c - 1, 1, r - 1}, {0, 1, 0}};
    case R: return {{1, 1 - r, 1 - c}, {1, 0, 0}};
    case F: return {{c - 1, 1 - r, 1}, {0, 0, 1}};
    case D: return {{c - 1, -1, 1 - r}, {0, -1, 0}};
    case L: return {{-1, 1 - r, c - 1}, {-1, 0, 0}};
    default: return {{1 - c, 1 - r, -1}, {0, 0, -1}};
    }
}

// A quarter turn about axis a (0 x, 1 y, 2 z): clockwise as seen from the positive side, or back.
void Rotate(int* v, int a, bool clockwise)
{
    const int i = (a + 1) % 3, j = (a + 2) % 3; // the plane of the turn, in right-handed order
    const int vi = v[i], vj = v[j];
    if (clockwise) {
        v[i] = vj;
        v[j] = -vi;
    } else {
        v[i] = -vj;
        v[j] = vi;
    }
}

// For each square, the square whose colour a turn brings there.
using Source = std::array<uint8_t, Squares>;

Source SourceOf(Turn t)
{
    const TurnInfo& info = Info(t);
    int axis = 0, layer = 2; // 2: every layer
    bool clockwise = true;   // seen from the positive side of the axis
    switch (info.letter) {
    case 'R': axis = 0, layer = 1; break;
    case 'L': axis = 0, layer = -1, clockwise = false; break;
    case 'M': axis = 0, layer = 0, clockwise = false; break;
    case 'x': axis = 0; break;
    case 'U': axis = 1, layer = 1; break;
    case 'D': axis = 1, layer = -1, clockwise = false; break;
    case 'E': axis = 1, layer = 0, clockwise = false; break;
    case 'y': axis = 1; break;
    case 'F': axis = 2, layer = 1; break;
    case 'B': axis = 2, layer = -1, clockwise = false; break;
    case 'S': axis = 2, layer = 0; break;
    default: axis = 2; break;
    }
    if (info.prime)
        clockwise = !clockwise;
    Source from{};
    for (int s = 0; s < Squares; ++s) {
        Spot to = SpotOf(s);
        if (layer == 2 || to.p[axis] == layer) {
            Rotate(to.p, axis, clockwise);
            Rotate(to.n, axis, clockwise);
        }
        for (int d = 0; d < Squares; ++d)
            if (SpotOf(d) == to)
                from[static_cast<std::size_t>(d)] = static_cast<uint8_t>(s);
    }
    return from;
}

const std::array<Source, TurnCount>& Sources()
{
    static const std::array<Source, TurnCount> all = [] {
        std::array<Source, TurnCount> a{};
        for (int t = 0; t < TurnCount; ++t)
            a[static_cast<std::size_t>(t)] = SourceOf(static_cast<Turn>(t));
        return a;
    }();
    return all;
}

} // namespace

void Play(Position& p, Turn t)
{
    const Source& from = Sources()[static_cast<std::size_t>(t)];
    const Position before = p;
    for (std::size_t d = 0; d < from.size(); ++d)
        p.colour[d] = before.colour[from[d]];
}

Position Played(const Position& from, const std::vector<Turn>& turns)
{
    Position p = from;
    for (Turn t : turns)
        Play(p, t);
    return p;
}

bool SolvedAnyWay(const Position& p)
{
    for (int f = 0; f < 6; ++f)
        for (int k = 0; k < 9; ++k)
            if (p.colour[static_cast<std::size_t>(9 * f + k)] != p.colour[static_cast<std::size_t>(9 * f + 4)])
                return false;
    return true;
}

} // namespace notation
