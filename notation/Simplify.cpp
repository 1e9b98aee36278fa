// The log's turns rewritten as one holding the cube still makes them.
//
// Axes: 0 runs to the right face (R), 1 to the top (U), 2 to the front (F). A layer is its side along
// the axis: +1 the face the axis points at, -1 the opposite face, 0 the slice between. An amount is in
// quarter turns clockwise as seen from the +1 face (R, U, F; so L, D, B, M and E turn by -1).
#include "Notation.h"

#include <array>
#include <vector>

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

// Consecutive turns about one axis, which commute: what each of its three layers (-1, 0, +1) turns,
// the turns that made it, and the layers in the order they first turned.
struct Run {
    int axis;
    std::array<int, 3> amount{};
    std::array<int, 3> first{}, last{};
    std::vector<int> order;
    bool Empty() const { return order.empty(); }
};

// The window's quarter turn that carries a move's letter, clockwise or not.
Turn TurnOf(char letter, bool prime)
{
    for (int k = 0; k < TurnCount; ++k)
        if (Info(T(k)).letter == letter && Info(T(k)).prime == prime)
            return T(k);
    return T::HHD;
}

class Simplifier {
public:
    void Add(T t, int source)
    {
        const Layer& l = Layers[static_cast<int>(t)];
        if (l.whole) {
            // The cube turns in the hand: later moves name other faces of the cube as it was held.
            m_Frame = m_Frame * Rotation(l.axis, l.amount).Inverse();
            return;
        }
        const int s = m_Frame.sign[l.axis];
        const int axis = m_Frame.to[l.axis], side = l.side * s, amount = l.amount * s;
        if (m_Runs.empty() || m_Runs.back().axis != axis)
            m_Runs.push_back({axis, {}, {}, {}, {}});
        Run& r = m_Runs.back();
        const auto i = static_cast<std::size_t>(side + 1);
        if (r.amount[i] == 0) {
            r.first[i] = source;
            r.order.push_back(side);
        }
        r.last[i] = source;
        r.amount[i] = Mod4(r.amount[i] + amount);
        if (r.amount[i] == 0)
            std::erase(r.order, side);
        // Turns that cancel leave the run before them next to what follows.
        if (r.Empty())
            m_Runs.pop_back();
    }

    // Writes the moves so far and starts afresh, holding the cube as it is held now.
    Simplified Finish()
    {
        Simplified s;
        QStringList names;
        static constexpr char Face[3][3] = {{'L', 'M', 'R'}, {'D', 'E', 'U'}, {'B', 'S', 'F'}};
        for (const Run& r : m_Runs)
            for (int side : r.order) {
                const auto i = static_cast<std::size_t>(side + 1);
                // M and E turn as L and D do; S as F does.
                const bool backwards = side == -1 || (side == 0 && r.axis != 2);
                const int cw = backwards ? Mod4(-r.amount[i]) : r.amount[i];
                const Move m{TurnOf(Face[r.axis][i], cw == 3), static_cast<int8_t>(cw == 2 ? 2 : 1), r.first[i], r.last[i]};
                names << Name(m);
                s.list.push_back(m);
                ++s.moves;
                s.quarters += m.count;
            }
        s.text = names.join(QLatin1Char(' '));
        m_Runs.clear();
        return s;
    }

private:
    Frame m_Frame; // axes of the cube as held now, onto axes of the cube as the result holds it
    std::vector<Run> m_Runs;
};

} // namespace

QString Name(const Move& m)
{
    return m.count == 2 ? QString(QLatin1Char(Info(m.turn).letter)) + QLatin1Char('2') : Name(m.turn);
}

Simplified Simplify(const std::vector<Turn>& turns)
{
    Simplifier s;
    for (std::size_t i = 0; i < turns.size(); ++i)
        s.Add(turns[i], static_cast<int>(i));
    return s.Finish();
}

std::vector<Simplified> SimplifyParts(const std::vector<std::vector<Turn>>& parts)
{
    Simplifier s;
    std::vector<Simplified> out;
    out.reserve(parts.size());
    int source = 0;
    for (const std::vector<Turn>& part : parts) {
        for (T t : part)
            s.Add(t, source++);
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
