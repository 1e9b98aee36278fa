// The faces as the cube is held: the solver works on a cube held white up and green in front, a
// person on the cube as it stands.
#include "ShortSolve.h"

namespace shortsolve {

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
