// One quarter turn of each layer, square by square, in all 24 orientations of the cube.
#include "cube_test_support.h"

using namespace cubetest;

namespace {

using Trio = std::array<int, 3>;
// After the turn, squares `to` of the face at `dst` hold what squares `from` of the face at `src`
// held before, paired in order.
struct Transfer {
    int dst;
    Trio to;
    int src;
    Trio from;
};
struct Row {
    Move move;
    std::array<Transfer, 4> moved;
    int turned; // position whose face turns in its own numbering, -1 for none
    Perm how;
};

// The vertical rings keep square numbers: top -> front -> bottom -> back, or the reverse.
constexpr std::array<Transfer, 4> Down(Trio q)
{
    return {{{Front, q, Top, q}, {Bottom, q, Front, q}, {Back, q, Bottom, q}, {Top, q, Back, q}}};
}
constexpr std::array<Transfer, 4> Up(Trio q)
{
    return {{{Top, q, Front, q}, {Back, q, Top, q}, {Bottom, q, Back, q}, {Front, q, Bottom, q}}};
}

const std::vector<Row> Table{
    {{V, 0, 0}, Down({0, 3, 6}), Left, Cw},
    {{V, 0, 1}, Up({0, 3, 6}), Left, Ccw},
    {{V, 1, 0}, Down({2, 5, 8}), Right, Ccw},
    {{V, 1, 1}, Up({2, 5, 8}), Right, Cw},
    {{V, 2, 0}, Down({1, 4, 7}), -1, {}},
    {{V, 2, 1}, Up({1, 4, 7}), -1, {}},

    {{H, 0, 0}, {{{Front, {0, 1, 2}, Right, {0, 1, 2}}, {Left, {0, 1, 2}, Front, {0, 1, 2}},
                  {Back, {6, 7, 8}, Left, {2, 1, 0}}, {Right, {0, 1, 2}, Back, {8, 7, 6}}}}, Top, Cw},
    {{H, 0, 1}, {{{Front, {0, 1, 2}, Left, {0, 1, 2}}, {Right, {0, 1, 2}, Front, {0, 1, 2}},
                  {Back, {6, 7, 8}, Right, {2, 1, 0}}, {Left, {0, 1, 2}, Back, {8, 7, 6}}}}, Top, Ccw},
    {{H, 1, 0}, {{{Front, {6, 7, 8}, Right, {6, 7, 8}}, {Left, {6, 7, 8}, Front, {6, 7, 8}},
                  {Back, {0, 1, 2}, Left, {8, 7, 6}}, {Right, {6, 7, 8}, Back, {2, 1, 0}}}}, Bottom, Ccw},
    {{H, 1, 1}, {{{Front, {6, 7, 8}, Left, {6, 7, 8}}, {Right, {6, 7, 8}, Front, {6, 7, 8}},
                  {Back, {0, 1, 2}, Right, {8, 7, 6}}, {Left, {6, 7, 8}, Back, {2, 1, 0}}}}, Bottom, Cw},
    {{H, 2, 0}, {{{Front, {3, 4, 5}, Right, {3, 4, 5}}, {Left, {3, 4, 5}, Front, {3, 4, 5}},
                  {Back, {3, 4, 5}, Left, {5, 4, 3}}, {Right, {3, 4, 5}, Back, {5, 4, 3}}}}, -1, {}},
    {{H, 2, 1}, {{{Front, {3, 4, 5}, Left, {3, 4, 5}}, {Right, {3, 4, 5}, Front, {3, 4, 5}},
                  {Back, {3, 4, 5}, Right, {5, 4, 3}}, {Left, {3, 4, 5}, Back, {5, 4, 3}}}}, -1, {}},

    {{T, 0, 0}, {{{Right, {0, 3, 6}, Top, {6, 7, 8}}, {Bottom, {0, 1, 2}, Right, {6, 3, 0}},
                  {Left, {2, 5, 8}, Bottom, {0, 1, 2}}, {Top, {6, 7, 8}, Left, {8, 5, 2}}}}, Front, Cw},
    {{T, 0, 1}, {{{Top, {6, 7, 8}, Right, {0, 3, 6}}, {Right, {0, 3, 6}, Bottom, {2, 1, 0}},
                  {Bottom, {0, 1, 2}, Left, {2, 5, 8}}, {Left, {2, 5, 8}, Top, {8, 7, 6}}}}, Front, Ccw},
    {{T, 1, 0}, {{{Right, {2, 5, 8}, Top, {0, 1, 2}}, {Bottom, {6, 7, 8}, Right, {8, 5, 2}},
                  {Left, {0, 3, 6}, Bottom, {6, 7, 8}}, {Top, {0, 1, 2}, Left, {6, 3, 0}}}}, Back, Ccw},
    {{T, 1, 1}, {{{Top, {0, 1, 2}, Right, {2, 5, 8}}, {Right, {2, 5, 8}, Bottom, {8, 7, 6}},
                  {Bottom, {6, 7, 8}, Left, {0, 3, 6}}, {Left, {0, 3, 6}, Top, {2, 1, 0}}}}, Back, Cw},
    {{T, 2, 0}, {{{Right, {1, 4, 7}, Top, {3, 4, 5}}, {Bottom, {3, 4, 5}, Right, {7, 4, 1}},
                  {Left, {1, 4, 7}, Bottom, {3, 4, 5}}, {Top, {3, 4, 5}, Left, {7, 4, 1}}}}, -1, {}},
    {{T, 2, 1}, {{{Top, {3, 4, 5}, Right, {1, 4, 7}}, {Right, {1, 4, 7}, Bottom, {5, 4, 3}},
                  {Bottom, {3, 4, 5}, Left, {1, 4, 7}}, {Left, {1, 4, 7}, Top, {5, 4, 3}}}}, -1, {}},
};

std::array<Squares, 6> Expected(const std::array<Squares, 6>& before, const Row& row)
{
    auto after = before;
    for (const Transfer& t : row.moved)
        for (int j = 0; j < 3; ++j)
            after[t.dst][t.to[j]] = before[t.src][t.from[j]];
    if (row.turned >= 0)
        for (int k = 0; k < 9; ++k)
            after[row.turned][k] = before[row.turned][row.how[k]];
    return after;
}

std::string Name(Move m, const std::vector<int>& orientation)
{
    std::string s = std::string("Mvt") + char(m.kind) + "(" + std::to_string(m.face) + "," +
                    std::to_string(m.dir) + ") after PlacerFace of positions";
    for (int p : orientation)
        s += " " + std::to_string(p);
    return s;
}

} // namespace

TEST(TurnTables, EveryRowInEveryOrientation)
{
    ASSERT_EQ(Orientations().size(), 24u);
    ASSERT_EQ(Table.size(), 18u);
    CCUBECtrl c;
    for (const auto& orientation : Orientations())
        for (const Row& row : Table) {
            SCOPED_TRACE(Name(row.move, orientation));
            for (int16_t p = 0; p < 6; ++p)
                c.PutFace(p, p);
            Orient(c, orientation);
            Distinct(c);
            const auto where = Read(c).where;
            const auto before = ByPosition(c);
            const int repaints = c.RepaintRequests();
            Apply(c, row.move);
            EXPECT_EQ(ByPosition(c), Expected(before, row));
            EXPECT_EQ(Read(c).where, where);
            EXPECT_EQ(c.RepaintRequests() - repaints, 1);
        }
}

// Independently of the tables: a layer turn carries each of its squares to the place a rigid
// quarter turn of that layer takes it, which is what keeps the square numbering meaningful.
TEST(TurnTables, EveryTurnIsARigidQuarterTurnOfItsLayer)
{
    struct Axis {
        Kind kind;
        Vec axisForDir0; // right-handed axis of Direction 0
        int coord;
        std::array<int, 3> layerOfFace;
    };
    const Axis axes[] = {
        {V, {1, 0, 0}, 0, {-1, 1, 0}},  // top -> front; left, right, middle column
        {H, {0, -1, 0}, 1, {1, -1, 0}}, // right -> front; top, bottom, middle layer
        {T, {0, 0, -1}, 2, {1, -1, 0}}, // top -> right; front, back, middle slice
    };
    CCUBECtrl c;
    std::mt19937 rng(7);
    for (int round = 0; round < 24; ++round)
        for (const Axis& a : axes)
            for (int16_t face = 0; face < 3; ++face)
                for (int16_t dir = 0; dir < 2; ++dir) {
                    SCOPED_TRACE(Name({a.kind, face, dir}, Orientations()[size_t(round)]));
                    for (int16_t p = 0; p < 6; ++p)
                        c.PutFace(p, p);
                    Orient(c, Orientations()[size_t(round)]);
                    Distinct(c);
                    const auto before = ByPosition(c);
                    Apply(c, {a.kind, face, dir});
                    const Vec k = a.axisForDir0;
                    const Vec axis = dir == 0 ? k : Vec{-k.x, -k.y, -k.z};
                    EXPECT_EQ(ByPosition(c), Rigid(before, axis, 1, a.coord, a.layerOfFace[size_t(face)]));
                }
}

// PlacerFace turns the whole cube rigidly, whichever face it brings forward, so the square
// numbering holds in the new orientation too. The back face comes forward by a half turn about
// the vertical axis.
TEST(TurnTables, PlacerFaceIsARigidTurnOfTheWholeCube)
{
    CCUBECtrl c;
    for (const auto& orientation : Orientations())
        for (int from : {Top, Left, Right, Bottom, Back, Front}) {
            SCOPED_TRACE(Name({V, 0, 0}, orientation) + ", then the face at " + std::to_string(from));
            for (int16_t p = 0; p < 6; ++p)
                c.PutFace(p, p);
            Orient(c, orientation);
            Distinct(c);
            const auto before = ByPosition(c);
            const int repaints = c.RepaintRequests();
            c.PlacerFace(c.WichFace(int16_t(from)));
            const std::array<Squares, 6> expected =
                from == Front ? before
                : from == Back ? Rigid(before, {0, 1, 0}, 2, -1, 0)
                               : Rigid(before, Cross(Normal[size_t(from)], Normal[Front]), 1, -1, 0);
            EXPECT_EQ(ByPosition(c), expected);
            EXPECT_EQ(c.RepaintRequests(), repaints);
        }
}
