// The cube's state, whole-cube turns and the face and square queries.
#include "cube_test_support.h"

using namespace cubetest;

namespace {

Squares Turned(const Squares& s, const Perm& q)
{
    Squares t{};
    for (int k = 0; k < 9; ++k)
        t[size_t(k)] = s[size_t(q[size_t(k)])];
    return t;
}

State Fresh()
{
    CCUBECtrl c;
    return Read(c);
}

} // namespace

TEST(CubeState, NewCubeIsSolvedInItsStartingOrientation)
{
    CCUBECtrl c;
    for (int16_t f = 0; f < 6; ++f) {
        EXPECT_EQ(c.WichFace(f), f);
        for (int16_t s = 0; s < 9; ++s)
            EXPECT_EQ(c.GetElmt(f, s), f);
        for (int16_t r = 0; r < 3; ++r)
            for (int16_t col = 0; col < 3; ++col)
                EXPECT_EQ(c.GetRelatif(f, r, col), f);
    }
    EXPECT_EQ(c.RepaintRequests(), 0);
    EXPECT_FALSE(c.IsModified());
}

TEST(CubeState, SetFaceStoresAnyValuesAndGetFaceReturnsThem)
{
    std::mt19937 rng(11);
    CCUBECtrl c;
    RandomOrient(c, rng);
    for (int16_t f = 0; f < 6; ++f) {
        Squares v;
        for (auto& x : v)
            x = int16_t(rng());
        c.SetFace(f, v.data());
        Squares back{};
        c.GetFace(f, back.data());
        EXPECT_EQ(back, v);
        for (int16_t s = 0; s < 9; ++s)
            EXPECT_EQ(c.GetElmt(f, s), v[size_t(s)]);
    }
    EXPECT_EQ(c.RepaintRequests(), 0);
}

// Arguments outside their ranges never reach memory outside the cube, and change nothing.
TEST(CubeState, OutOfRangeArgumentsReadMinusOneAndWriteNothing)
{
    std::mt19937 rng(12);
    CCUBECtrl c;
    RandomOrient(c, rng);
    Distinct(c);
    const State start = Read(c);
    const int16_t badFaces[] = {-32768, -1, 6, 7, 32767};
    for (int16_t f : badFaces) {
        EXPECT_EQ(c.WichFace(f), -1);
        EXPECT_EQ(c.GetElmt(f, 0), -1);
        Squares sentinel;
        sentinel.fill(-77);
        c.GetFace(f, sentinel.data());
        EXPECT_EQ(sentinel, (Squares{-77, -77, -77, -77, -77, -77, -77, -77, -77}));
        c.SetFace(f, sentinel.data());
        c.PutFace(f, 2);
    }
    for (int16_t s : {-32768, -1, 9, 32767})
        EXPECT_EQ(c.GetElmt(0, s), -1);
    c.GetFace(0, nullptr);
    c.SetFace(0, nullptr);
    EXPECT_EQ(Read(c), start);
    EXPECT_EQ(c.RepaintRequests(), 0);
}

TEST(CubeState, PutFaceChangesOneEntryAndTurnsFollowIt)
{
    CCUBECtrl c;
    Distinct(c);
    State expected = Read(c);
    c.PutFace(0, 5);
    expected.where[0] = 5;
    EXPECT_EQ(Read(c), expected);
    c.PutFace(5, 0);
    expected.where[5] = 0;
    EXPECT_EQ(Read(c), expected);
    // The middle column now carries face 5's squares from the top into the front.
    c.MvtV(2, 0, 1);
    EXPECT_EQ(c.GetElmt(2, 1), 51);
    EXPECT_EQ(c.GetElmt(2, 4), 54);
    EXPECT_EQ(c.GetElmt(2, 7), 57);
    EXPECT_EQ(c.GetElmt(0, 1), 21);
}

TEST(CubeState, InitGResetsColoursButNotPositions)
{
    CCUBECtrl c;
    Distinct(c);
    c.PlacerFace(0);
    c.InitG();
    const State s = Read(c);
    EXPECT_EQ(s.where, (std::array<int16_t, 6>{4, 1, 0, 3, 5, 2}));
    for (int16_t f = 0; f < 6; ++f)
        EXPECT_EQ(s.faces[size_t(f)], (Squares{f, f, f, f, f, f, f, f, f}));
    EXPECT_EQ(c.GetElmt(c.WichFace(0), 4), 4); // blue on top
    EXPECT_EQ(c.GetElmt(c.WichFace(2), 4), 0); // white in front
    EXPECT_EQ(c.GetElmt(c.WichFace(3), 4), 3); // red at the right
    EXPECT_EQ(c.RepaintRequests(), 0);
}

TEST(CubeState, EquilibreAndHighOrLowChangeNothingObservable)
{
    std::mt19937 rng(13);
    CCUBECtrl c;
    RandomOrient(c, rng);
    Distinct(c);
    const State start = Read(c);
    c.Equilibre();
    for (int16_t v : {-32768, -1, 0, 1, 32767})
        c.HighOrLow(v);
    EXPECT_EQ(Read(c), start);
    EXPECT_EQ(c.RepaintRequests(), 0);
    EXPECT_FALSE(c.IsModified());
}

// --- whole-cube turns ----------------------------------------------------------------------------

TEST(WholeCube, TopToFrontMovesFacesAndTurnsTheSides)
{
    CCUBECtrl c;
    Distinct(c);
    const State before = Read(c);
    c.PlacerFace(c.WichFace(0));
    const State after = Read(c);
    EXPECT_EQ(after.where, (std::array<int16_t, 6>{4, 1, 0, 3, 5, 2}));
    EXPECT_EQ(after.faces[1], Turned(before.faces[1], Cw));
    EXPECT_EQ(after.faces[3], Turned(before.faces[3], Ccw));
    for (int f : {0, 2, 4, 5})
        EXPECT_EQ(after.faces[size_t(f)], before.faces[size_t(f)]) << "face " << f;
    EXPECT_EQ(c.RepaintRequests(), 0);
}

TEST(WholeCube, FrontAndUnknownFacesChangeNothing)
{
    std::mt19937 rng(14);
    CCUBECtrl c;
    RandomOrient(c, rng);
    Distinct(c);
    const State start = Read(c);
    for (int16_t f : {c.WichFace(2), int16_t(6), int16_t(7), int16_t(32767), int16_t(-1), int16_t(-32768)})
        c.PlacerFace(f);
    EXPECT_EQ(Read(c), start);
    EXPECT_EQ(c.RepaintRequests(), 0);
}

// The back face comes forward by the same half turn as two quarter turns to either side, with the
// squares renumbered so the numbering of every place keeps holding.
TEST(WholeCube, BackFaceComesForwardLikeTwoQuarterTurns)
{
    for (const auto& orientation : Orientations()) {
        CCUBECtrl back, right, left;
        for (CCUBECtrl* c : {&back, &right, &left}) {
            Orient(*c, orientation);
            Distinct(*c);
        }
        back.PlacerFace(back.WichFace(4));
        for (int i = 0; i < 2; ++i) {
            right.PlacerFace(right.WichFace(3));
            left.PlacerFace(left.WichFace(1));
        }
        EXPECT_EQ(Read(back), Read(right));
        EXPECT_EQ(Read(back), Read(left));
        EXPECT_EQ(back.RepaintRequests(), 0);
    }
}

TEST(WholeCube, AfficherFaceTurnsLikePlacerFaceAndAsksForOneRepaint)
{
    std::mt19937 rng(15);
    for (int16_t f : {0, 1, 2, 3, 4, 5, 6, -1, 32767}) {
        CCUBECtrl shown, placed;
        const std::vector<int> orientation = Orientations()[rng() % 24];
        for (CCUBECtrl* c : {&shown, &placed}) {
            Orient(*c, orientation);
            Distinct(*c);
        }
        shown.AfficherFace(f);
        placed.PlacerFace(f);
        EXPECT_EQ(Read(shown), Read(placed)) << "face " << f;
        EXPECT_EQ(shown.RepaintRequests(), 1) << "face " << f;
    }
}

// --- Relatif, PosFaceR, Synchro ------------------------------------------------------------------

// Relatif reads every face as seen from outside: the back one seen from behind, so its row 0 is
// the top and its column 0 the cube's right side.
TEST(Relatif, ReadsEveryFaceAsSeenFromOutside)
{
    CCUBECtrl c;
    for (const auto& orientation : Orientations()) {
        for (int16_t p = 0; p < 6; ++p)
            c.PutFace(p, p);
        Orient(c, orientation);
        Distinct(c);
        for (int p = 0; p < 6; ++p)
            for (int r = 0; r < 3; ++r)
                for (int col = 0; col < 3; ++col) {
                    const Vec want = p == Back ? Vec{1 - col, 1 - r, -1} : Place(p, 3 * r + col).cubie;
                    int stored = -1;
                    for (int s = 0; s < 9; ++s)
                        if (Place(p, s).cubie == want)
                            stored = s;
                    const int16_t f = c.WichFace(int16_t(p));
                    EXPECT_EQ(c.GetRelatif(f, int16_t(r), int16_t(col)), c.GetElmt(f, int16_t(stored)))
                        << "position " << p << " row " << r << " column " << col;
                }
    }
    EXPECT_EQ(c.RepaintRequests(), 0);
    EXPECT_FALSE(c.IsModified());
}

TEST(Relatif, ReadCases)
{
    CCUBECtrl c;
    const Squares ramp{0, 1, 2, 3, 4, 5, 6, 7, 8};
    c.SetFace(4, ramp.data());
    EXPECT_EQ(c.GetRelatif(4, 0, 0), 8);
    EXPECT_EQ(c.GetRelatif(4, 1, 1), 4);
    EXPECT_EQ(c.GetRelatif(4, 2, 2), 0);
    c.AfficherFace(c.WichFace(3)); // face 4 comes to the right, its squares half-turned
    EXPECT_EQ(c.WichFace(3), 4);
    EXPECT_EQ(c.GetElmt(4, 0), 8);
    EXPECT_EQ(c.GetRelatif(4, 0, 0), 8);

    CCUBECtrl turned;
    turned.MvtH(0, 0, 1);
    for (int16_t col = 0; col < 3; ++col)
        EXPECT_EQ(turned.GetRelatif(turned.WichFace(2), 0, col), 3);
}

TEST(Relatif, ReadsWithoutADefinedSquareGiveMinusOne)
{
    CCUBECtrl c;
    Distinct(c);
    struct Case {
        int16_t face, etage, elmt;
    };
    const Case cases[] = {{-1, 0, 0}, {6, 0, 0}, {32767, 1, 1}, {0, -1, 0}, {0, 3, 0},   {0, 0, -1},
                          {0, 0, 3},  {4, 3, 0}, {4, -1, 2},    {4, 0, 3},  {4, 2, -32768}, {5, 32767, 0}};
    for (const Case& k : cases)
        EXPECT_EQ(c.GetRelatif(k.face, k.etage, k.elmt), -1) << k.face << ' ' << k.etage << ' ' << k.elmt;
    c.PutFace(2, 0); // face 2 now stands nowhere
    EXPECT_EQ(c.GetRelatif(2, 1, 1), -1);
    EXPECT_EQ(c.GetRelatif(0, 1, 1), 4);
}

// The write picks its square by the faces' centre colours, whatever stands where; a later rule
// wins over an earlier one.
TEST(Relatif, WriteChoosesTheSquareByCentreColours)
{
    struct Case {
        bool middleTurned;          // after MvtV(2,0,1): centres 4, 1, 0, 3, 5, 2
        int16_t centreOf, centre;   // or with one face's centre recoloured
        int16_t face, etage, elmt;
        int stored;
    };
    const Case cases[] = {
        {false, -1, 0, 0, 1, 2, 5}, {false, -1, 0, 2, 0, 0, 0}, {false, -1, 0, 1, 2, 1, 7},
        {false, -1, 0, 3, 0, 2, 2}, {false, -1, 0, 4, 0, 0, 8}, {false, -1, 0, 4, 2, 1, 1},
        {false, -1, 0, 5, 0, 0, 6}, {false, -1, 0, 5, 1, 2, 5}, {false, -1, 0, 5, 2, 2, 2},
        {true, -1, 0, 4, 0, 0, 0},  {true, -1, 0, 5, 0, 0, 8},  {true, -1, 0, 2, 0, 0, 6},
        {true, -1, 0, 0, 0, 1, 1},
        {false, 0, 4, 4, 0, 1, 7},  {false, 1, 4, 4, 0, 1, 7},  {false, 4, 5, 5, 1, 0, 3},
        {false, 5, 2, 2, 0, 1, 7},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.middleTurned) + " " + std::to_string(k.centreOf) + " Relatif(" +
                     std::to_string(k.face) + "," + std::to_string(k.etage) + "," + std::to_string(k.elmt) + ")");
        CCUBECtrl c;
        if (k.middleTurned)
            c.MvtV(2, 0, 1);
        if (k.centreOf >= 0) {
            Squares v{};
            c.GetFace(k.centreOf, v.data());
            v[4] = k.centre;
            c.SetFace(k.centreOf, v.data());
        }
        State expected = Read(c);
        const int repaints = c.RepaintRequests();
        c.SetRelatif(k.face, k.etage, k.elmt, 99);
        expected.faces[size_t(k.face)][size_t(k.stored)] = 99;
        EXPECT_EQ(Read(c), expected);
        EXPECT_TRUE(c.IsModified());
        EXPECT_EQ(c.RepaintRequests(), repaints);
    }
    CCUBECtrl c;
    c.SetRelatif(5, 0, 0, 42);
    EXPECT_EQ(c.GetRelatif(5, 2, 0), 42);
}

TEST(Relatif, WritesWithoutADefinedSquareChangeNothing)
{
    CCUBECtrl c;
    const Squares seven{7, 7, 7, 7, 7, 7, 7, 7, 7};
    c.SetFace(0, seven.data()); // no face has colour 0 at its centre now
    const State start = Read(c);
    struct Case {
        int16_t face, etage, elmt;
    };
    const Case cases[] = {{0, 1, 1}, {-1, 0, 0}, {6, 0, 0}, {7, 0, 0}, {1, 3, 0}, {1, 0, -1},
                          {4, 3, 0}, {4, -1, 0}, {5, 3, 1}, {5, -32768, 0}, {2, 1, 32767}};
    for (const Case& k : cases)
        c.SetRelatif(k.face, k.etage, k.elmt, 99);
    EXPECT_EQ(Read(c), start);
    EXPECT_FALSE(c.IsModified());
}

TEST(Synchro, SetsPositionsFromCentresWithoutTouchingSquares)
{
    CCUBECtrl c;
    c.MvtV(2, 0, 1);
    const int repaints = c.RepaintRequests();
    State expected = Read(c);
    c.Synchro();
    expected.where = {4, 1, 0, 3, 5, 2};
    EXPECT_EQ(Read(c), expected);
    EXPECT_EQ(c.RepaintRequests(), repaints);

    // After a whole-cube turn Synchro puts every face back at its starting position, but the side
    // faces keep the quarter turn their squares were given.
    CCUBECtrl t;
    Squares left{11, 12, 13, 14, 1, 16, 17, 18, 19}, right{31, 32, 33, 34, 3, 36, 37, 38, 39};
    t.SetFace(1, left.data());
    t.SetFace(3, right.data());
    t.PlacerFace(t.WichFace(0));
    t.Synchro();
    const State s = Read(t);
    EXPECT_EQ(s.where, Fresh().where);
    EXPECT_EQ(s.faces[1], Turned(left, Cw));
    EXPECT_EQ(s.faces[3], Turned(right, Ccw));
    EXPECT_EQ(t.RepaintRequests(), 0);
}

// Positions that are no permutation of the faces (PutFace and Synchro allow them) still keep
// every method inside the cube; whole-cube turns only move the entries around.
TEST(Synchro, ArbitraryPositionsStayInsideTheCube)
{
    std::mt19937 rng(16);
    for (int round = 0; round < 200; ++round) {
        CCUBECtrl c;
        Squares odd{};
        for (auto& x : odd)
            x = int16_t(int(rng() % 20) - 10);
        c.SetFace(int16_t(rng() % 6), odd.data());
        if (rng() % 2)
            c.Synchro();
        for (int i = 0; i < 3; ++i)
            c.PutFace(int16_t(rng() % 6), int16_t(int(rng() % 12) - 3));
        auto where = Read(c).where;
        std::sort(where.begin(), where.end());
        for (int i = 0; i < 10; ++i) {
            const auto arg = [&] { return int16_t(int(rng() % 10) - 3); };
            switch (rng() % 8) {
            case 0: c.MvtV(arg(), arg(), 1); break;
            case 1: c.MvtH(arg(), arg(), 1); break;
            case 2: c.MvtT(arg(), arg(), 1); break;
            case 3: c.PlacerFace(arg()); break;
            case 4: c.Vers(arg()); break;
            case 5: c.SetRelatif(arg(), arg(), arg(), 5); break;
            case 6: (void)c.GetRelatif(arg(), arg(), arg()); break;
            default: c.PointerFaces(); break;
            }
        }
        auto after = Read(c).where;
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, where) << "turns only ever move the entries around";
    }
}
