// The log's turns rewritten as one holding the cube still would make them.
//
// Axes: 0 runs to the right face (R), 1 to the top (U), 2 to the front (F). A layer is its side along
// the axis: +1 the face the axis points at, -1 the opposite face, 0 the slice between. An amount is in
// quarter turns clockwise as seen from the +1 face (R, U, F; so L, D, B, M and E turn by -1).
#include "Notation.h"

#include <array>
#include <tuple>

namespace notation {

namespace {

using T = Turn;

struct Layer {
    int axis, side, amount;
    bool whole; // the whole cube (x, y)
};

constexpr Layer Layers[TurnCount] = {
    {1, 1, -1, false}, {1, 1, 1, false}, {1, 0, -1, false}, {1, 0, 1, false}, {1, -1, -1, false}, {1, -1, 1, false},
    {0, -1, 1, false}, {0, -1, -1, false}, {0, 0, 1, false}, {0, 0, -1, false}, {0, 1, 1, false}, {0, 1, -1, false},
    {2, 1, 1, false}, {2, 1, -1, false}, {2, 0, 1, false}, {2, 0, -1, false}, {2, -1, 1, false}, {2, -1, -1, false},
    {0, 0, 1, true}, {0, 0, -1, true}, {1, 0, 1, true}, {1, 0, -1, true},
};

// A rotation that maps axes onto axes: e_i goes to sign[i] * e_to[i].
struct Frame {
    std::array<int, 3> to{0, 1, 2}, sign{1, 1, 1};

    Frame operator*(const Frame& b) const // this after b
    {
        Frame r;
        for (int i = 0; i < 3; ++i) {
            r.to[i] = to[b.to[i]];
            r.sign[i] = b.sign[i] * sign[b.to[i]];
        }
        return r;
    }
    Frame Inverse() const
    {
        Frame r;
        for (int i = 0; i < 3; ++i) {
            r.to[to[i]] = i;
            r.sign[to[i]] = sign[i];
        }
        return r;
    }
};

// `q` quarter turns of the whole cube about `axis`, the way its +1 face turns: each quarter takes
// e(a+1) to -e(a+2) and e(a+2) to e(a+1).
Frame Rotation(int axis, int q)
{
    Frame quarter;
    const int b = (axis + 1) % 3, c = (axis + 2) % 3;
    quarter.to[b] = c;
    quarter.sign[b] = -1;
    quarter.to[c] = b;
    quarter.sign[c] = 1;
    Frame r;
    for (int k = 0; k < ((q % 4) + 4) % 4; ++k)
        r = quarter * r;
    return r;
}

int Mod4(int v) { return ((v % 4) + 4) % 4; }

// Consecutive turns about one axis, which commute: what each of its three layers (-1, 0, +1) turns.
struct Run {
    int axis;
    std::array<int, 3> amount{};
    bool Empty() const { return amount == std::array<int, 3>{}; }
};

// Moves and quarter turns of a run's layers, and whether it keeps the cube held as it was.
std::tuple<int, int, int> Cost(const std::array<int, 3>& a, int k)
{
    int moves = 0, quarters = 0;
    for (int v : a) {
        const int m = Mod4(v - k);
        moves += m != 0;
        quarters += m == 2 ? 2 : m != 0;
    }
    return {moves, quarters, k != 0};
}

class Simplifier {
public:
    void Add(T t)
    {
        const Layer& l = Layers[static_cast<int>(t)];
        if (l.whole) {
            // The cube turns in the hand: later moves name other faces of the cube as it was held.
            m_Frame = m_Frame * Rotation(l.axis, l.amount).Inverse();
            return;
        }
        auto [axis, side, amount] = Map(l);
        if (!m_Runs.empty() && m_Runs.back().axis != axis) {
            Close();
            std::tie(axis, side, amount) = Map(l);
        }
        if (m_Runs.empty() || m_Runs.back().axis != axis)
            m_Runs.push_back({axis, {}});
        Run& r = m_Runs.back();
        r.amount[side + 1] = Mod4(r.amount[side + 1] + amount);
        if (r.Empty())
            m_Runs.pop_back();
    }

    // Writes the moves so far and starts afresh, holding the cube as it is held now.
    Simplified Finish()
    {
        if (!m_Runs.empty())
            Close();
        Simplified s;
        QStringList moves;
        static constexpr char Face[3][3] = {{'L', 'M', 'R'}, {'D', 'E', 'U'}, {'B', 'S', 'F'}};
        for (const Run& r : m_Runs)
            for (int side : {1, -1, 0}) {
                const int a = r.amount[side + 1];
                if (a == 0)
                    continue;
                // M and E turn as L and D do; S as F does.
                const bool backwards = side == -1 || (side == 0 && r.axis != 2);
                const int cw = backwards ? Mod4(-a) : a;
                QString m{QLatin1Char(Face[r.axis][side + 1])};
                m += cw == 2 ? QStringLiteral("2") : cw == 3 ? QStringLiteral("'") : QString();
                moves << m;
                ++s.moves;
                s.quarters += cw == 2 ? 2 : 1;
            }
        s.text = moves.join(QLatin1Char(' '));
        m_Runs.clear();
        return s;
    }

private:
    // A layer of the cube as it is held now, as a layer of the cube as the result holds it.
    std::tuple<int, int, int> Map(const Layer& l) const
    {
        const int s = m_Frame.sign[l.axis];
        return {m_Frame.to[l.axis], l.side * s, l.amount * s};
    }

    // The last run is complete for now. Where its three layers all turn, the cube simply turns in
    // the hand: take out the quarter turns that leave the fewest moves, and hold the cube that way on.
    void Close()
    {
        Run& r = m_Runs.back();
        int best = 0;
        for (int k = 1; k < 4; ++k)
            if (Cost(r.amount, k) < Cost(r.amount, best))
                best = k;
        if (best != 0) {
            for (int& a : r.amount)
                a = Mod4(a - best);
            m_Frame = Rotation(r.axis, best).Inverse() * m_Frame;
        }
        if (r.Empty())
            m_Runs.pop_back();
    }

    Frame m_Frame; // axes of the cube as held now, onto axes of the cube as the result holds it
    std::vector<Run> m_Runs;
};

} // namespace

Simplified Simplify(const std::vector<Turn>& turns)
{
    Simplifier s;
    for (T t : turns)
        s.Add(t);
    return s.Finish();
}

std::vector<Simplified> SimplifyParts(const std::vector<std::vector<Turn>>& parts)
{
    Simplifier s;
    std::vector<Simplified> out;
    out.reserve(parts.size());
    for (const std::vector<Turn>& part : parts) {
        for (T t : part)
            s.Add(t);
        out.push_back(s.Finish());
    }
    return out;
}

Simplified WriteSimplified(const QStringList& lines)
{
    std::vector<Turn> turns;
    for (const QString& l : lines)
        if (const auto t = FromLog(l))
            turns.push_back(*t);
    return Simplify(turns);
}

} // namespace notation
