// Moves written and played on the pieces; a cube made by moves, and the faces as the cube is held:
// the solver works on a cube held white up and green in front, a person on the cube as it stands.
#include "Cubie.h"

namespace shortsolve {

namespace {

struct Spot {
    int p[3], n[3];
    bool operator==(const Spot&) const = default;
};

// Square s in space: x to the right, y up, z to the front; where it is and which way it faces.
Spot SpotOf(int s)
{
    using namespace notation;
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

notation::Position Turn(const notation::Position& p, notation::Turn t)
{
    const notation::TurnInfo& info = notation::Info(t);
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
    notation::Position out = p;
    for (int s = 0; s < notation::Squares; ++s) {
        Spot to = SpotOf(s);
        if (layer != 2 && to.p[axis] != layer)
            continue;
        Rotate(to.p, axis, clockwise);
        Rotate(to.n, axis, clockwise);
        for (int d = 0; d < notation::Squares; ++d)
            if (SpotOf(d) == to)
                out.colour[d] = p.colour[s];
    }
    return out;
}

} // namespace

std::string Name(Move m)
{
    static const char faces[] = "URFDLB";
    std::string s(1, faces[FaceOf(m)]);
    if (PowerOf(m) == 2)
        s += '2';
    else if (PowerOf(m) == 3)
        s += '\'';
    return s;
}

std::string Write(const std::vector<Move>& moves)
{
    std::string s;
    for (Move m : moves) {
        if (!s.empty())
            s += ' ';
        s += Name(m);
    }
    return s;
}

notation::Pieces SolvedPieces() { return detail::ToPieces(detail::Cubie::Solved()); }

notation::Pieces Apply(const notation::Pieces& pieces, const std::vector<Move>& moves)
{
    detail::Cubie c = detail::FromPieces(pieces);
    for (Move m : moves)
        c = c.Then(detail::MoveCubes()[m % 18]);
    return detail::ToPieces(c);
}

bool IsSolved(const notation::Pieces& pieces) { return detail::FromPieces(pieces) == detail::Cubie::Solved(); }

notation::Position Played(const notation::Position& from, const std::vector<notation::Turn>& turns)
{
    notation::Position p = from;
    for (notation::Turn t : turns)
        p = Turn(p, t);
    return p;
}

std::optional<Held> Hold(const notation::Position& p)
{
    const auto pieces = notation::PiecesOf(notation::HeldStandard(p));
    if (!pieces)
        return std::nullopt;
    Held h{*pieces, {}};
    for (int f = 0; f < 6; ++f)
        for (int g = 0; g < 6; ++g)
            if (p.colour[9 * g + 4] == notation::StandardCentre[f])
                h.face[f] = int8_t(g);
    return h;
}

std::vector<Move> AsHeld(const std::vector<Move>& moves, const Held& held)
{
    std::vector<Move> out;
    for (Move m : moves)
        out.push_back(Move(3 * held.face[FaceOf(m)] + m % 3));
    return out;
}

std::vector<notation::Turn> Turns(const std::vector<Move>& moves)
{
    std::vector<notation::Turn> out;
    static const char letters[] = "URFDLB";
    for (Move m : moves) {
        for (int t = 0; t < 18; ++t) {
            const notation::TurnInfo& info = notation::Info(notation::Turn(t));
            if (info.letter == letters[FaceOf(m)] && info.prime == (PowerOf(m) == 3)) {
                out.insert(out.end(), PowerOf(m) == 2 ? 2 : 1, notation::Turn(t));
                break;
            }
        }
    }
    return out;
}

} // namespace shortsolve
