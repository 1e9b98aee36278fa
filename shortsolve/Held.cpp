// Moves written and played on the pieces, and the faces as the cube is held: the solver works on a
// cube held white up and green in front, a person on the cube as it stands.
#include "Cubie.h"

namespace shortsolve {

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
