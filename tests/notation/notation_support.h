// The notation tests' cube: a control of our own, turned the way the window's buttons turn it.
#pragma once

#include "Notation.h"
#include "cube_test_support.h"

#include <numeric>
#include <random>
#include <string>

namespace notationtest {

using notation::Turn;

// What each button asks of the control: its layer turn (axis, layer, direction), or the position
// whose face a whole-cube turn brings to the front.
inline void Play(CCUBECtrl& c, Turn t)
{
    struct Call {
        char axis;
        int16_t layer, direction;
    };
    static constexpr Call calls[] = {
        {'H', 0, 1}, {'H', 0, 0}, {'H', 2, 1}, {'H', 2, 0}, {'H', 1, 1}, {'H', 1, 0},
        {'V', 0, 1}, {'V', 0, 0}, {'V', 2, 1}, {'V', 2, 0}, {'V', 1, 1}, {'V', 1, 0},
        {'T', 0, 0}, {'T', 0, 1}, {'T', 2, 0}, {'T', 2, 1}, {'T', 1, 0}, {'T', 1, 1},
        {'C', 5, 0}, {'C', 0, 0}, {'C', 3, 0}, {'C', 1, 0},
    };
    const Call k = calls[static_cast<int>(t)];
    switch (k.axis) {
    case 'H': c.MvtH(k.layer, k.direction, 1); break;
    case 'V': c.MvtV(k.layer, k.direction, 1); break;
    case 'T': c.MvtT(k.layer, k.direction, 1); break;
    default: c.AfficherFace(c.WichFace(k.layer)); break;
    }
}

inline void Play(CCUBECtrl& c, const std::vector<Turn>& turns)
{
    for (Turn t : turns)
        Play(c, t);
}

// Parses a text that must parse.
inline std::vector<Turn> Turns(const QString& text)
{
    const notation::Parsed p = notation::Parse(text);
    EXPECT_TRUE(p) << text.toStdString() << ": " << (p.error ? p.error->message.toStdString() : "");
    return p.turns;
}

inline std::vector<Turn> RandomTurns(std::mt19937& rng, int count)
{
    std::vector<Turn> t;
    for (int i = 0; i < count; ++i)
        t.push_back(static_cast<Turn>(rng() % notation::TurnCount));
    return t;
}

// A random algorithm in the notation, with groups, repeats, inverses, commutators and conjugates.
inline QString RandomAlgorithm(std::mt19937& rng, int depth = 0)
{
    static const char* moves[] = {"U", "D", "E", "R", "L", "M", "F", "S", "B", "x", "y", "z", "u", "d",
                                  "r", "l", "f", "b", "Uw", "Rw", "Fw", "Dw", "Lw", "Bw"};
    static const char* suffixes[] = {"", "'", "2", "2'", "\u2019", "\u2032"};
    QString s;
    const int items = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < items; ++i) {
        const unsigned kind = depth < 3 ? rng() % 6 : 0;
        if (kind == 4) {
            s += QStringLiteral("(") + RandomAlgorithm(rng, depth + 1) + QStringLiteral(")");
            if (rng() % 2)
                s += QString::number(1 + rng() % 3);
            if (rng() % 2)
                s += QStringLiteral("'");
        } else if (kind == 5) {
            s += QStringLiteral("[") + RandomAlgorithm(rng, depth + 1) + (rng() % 2 ? QStringLiteral(", ") : QStringLiteral(": "))
                 + RandomAlgorithm(rng, depth + 1) + QStringLiteral("]");
        } else {
            s += QString::fromUtf8(moves[rng() % std::size(moves)]) + QString::fromUtf8(suffixes[rng() % std::size(suffixes)]);
        }
        s += QStringLiteral(" ");
    }
    return s;
}

// The log line a turn writes on a fresh cube (the face number of a whole-cube turn plays no part).
inline QString LogLine(Turn t)
{
    const QString log = QString::fromUtf16(notation::Info(t).log);
    return t >= Turn::Haut ? log + QStringLiteral(" 2") : log;
}

// Two cubes hold the same pieces in the same places, up to how the second one is held.
inline bool SameUpToHolding(const std::vector<Turn>& a, const std::vector<Turn>& b)
{
    CCUBECtrl first;
    cubetest::Distinct(first);
    Play(first, a);
    const auto want = cubetest::ByPosition(first);
    for (const auto& path : cubetest::Orientations()) {
        CCUBECtrl second;
        cubetest::Distinct(second);
        Play(second, b);
        cubetest::Orient(second, path);
        if (cubetest::ByPosition(second) == want)
            return true;
    }
    return false;
}

} // namespace notationtest

#include "Position.h"
#include "random_pieces.h"

namespace notationtest {

// The position of a cube control, square by square as the format lists them.
inline notation::Position PositionOf(const CCUBECtrl& c)
{
    notation::Position p;
    for (int s = 0; s < notation::Squares; ++s) {
        const notation::CubeSquare at = notation::OnCube(s);
        int16_t face[9];
        c.GetFace(c.WichFace(int16_t(at.position)), face);
        p.colour[s] = static_cast<int8_t>(face[at.square]);
    }
    return p;
}

} // namespace notationtest
