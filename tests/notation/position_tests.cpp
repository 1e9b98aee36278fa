// The position format: every check with a position that fails exactly it, and positions of real
// cubes read, written and read again.
#include "notation_support.h"

using namespace notationtest;
using notation::Position;

namespace {

const QString kSolved = QStringLiteral("UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB");

// The faults of a text, as their messages.
QStringList Faults(const QString& text)
{
    QStringList m;
    for (const notation::Fault& f : notation::ReadPosition(text).faults)
        m << f.message;
    return m;
}

QStringList Faults(const Position& p)
{
    QStringList m;
    for (const notation::Fault& f : notation::Check(p))
        m << f.message;
    return m;
}

QString With(QString text, std::initializer_list<std::pair<int, char>> changes)
{
    for (auto [at, letter] : changes)
        text[at] = QLatin1Char(letter);
    return text;
}

TEST(PositionFormat, TheSolvedCubeReadsAndWrites)
{
    const notation::PositionText r = notation::ReadPosition(kSolved);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.position, Position::Solved());
    EXPECT_EQ(notation::WritePosition(Position::Solved()), kSolved);
    EXPECT_TRUE(notation::ReadPosition(QStringLiteral("UUUUUUUUU RRRRRRRRR\nFFFFFFFFF DDDDDDDDD\tLLLLLLLLL BBBBBBBBB\n")));
    CCUBECtrl fresh;
    EXPECT_EQ(PositionOf(fresh), Position::Solved());
}

TEST(PositionFormat, EachCheckNamesWhatIsWrong)
{
    // Letters, and what the format itself fixes.
    EXPECT_EQ(Faults(kSolved.left(53)), QStringList{"A position has 54 letters, nine for each face; this one has 53."});
    EXPECT_EQ(Faults(With(kSolved, {{10, 'X'}})),
              QStringList{"Letter 11 (square 2 of the right (R)) is 'X': a position names faces by U, R, F, D, L and B."});
    EXPECT_EQ(Faults(With(kSolved, {{22, 'R'}, {13, 'F'}})),
              QStringList{"The centre of the right (R) reads F: each face's centre names that face."});

    // A colour on ten squares: the one square of another colour that made room for it is a piece that cannot be.
    const QStringList ten = Faults(With(kSolved, {{19, 'U'}}));
    ASSERT_FALSE(ten.isEmpty());
    EXPECT_EQ(ten[0], "White (U) is on 10 squares; every colour is on exactly nine.");
    EXPECT_TRUE(ten.contains("The edge at top front is white on both squares: an edge has two colours."));

    // Centres: two alike, not in opposite pairs, a mirror image.
    Position p = Position::Solved();
    p.colour[13] = 0;
    EXPECT_TRUE(Faults(p).contains("The centres of the top (U) and the right (R) are both white: the six centres have six "
                                   "different colours."));
    p = Position::Solved();
    std::swap(p.colour[13], p.colour[22]);
    EXPECT_TRUE(Faults(p).contains("The green and orange centres face each other; on a cube white faces yellow, green "
                                   "faces blue and red faces orange."));
    p = Position::Solved();
    std::swap(p.colour[13], p.colour[40]);
    EXPECT_EQ(Faults(p), QStringList{"The centres are a mirror image of a cube's: held with white up and green in front, a "
                                     "cube has red on the right."});

    // Pieces that cannot be: one colour twice, colours of opposite faces, a mirror image; a piece twice.
    const QStringList mirror = Faults(With(kSolved, {{8, 'F'}, {20, 'U'}}));
    EXPECT_TRUE(mirror.contains("The corner at top front right has green, red and white the wrong way round: no corner "
                                "has them in that order."))
        << mirror.join('\n').toStdString();
    const QStringList opposite = Faults(With(kSolved, {{9, 'D'}, {29, 'R'}}));
    EXPECT_TRUE(opposite.contains("The corner at top front right has white, yellow and green: two colours of opposite faces "
                                  "never meet on a piece."))
        << opposite.join('\n').toStdString();
    const QStringList edge = Faults(With(kSolved, {{19, 'D'}, {28, 'F'}}));
    EXPECT_TRUE(edge.contains("The edge at top front has white and yellow: colours of opposite faces never meet on a piece."))
        << edge.join('\n').toStdString();
    // The top front edge where the top right one should be: two white-green edges, no white-red one.
    const QStringList twice = Faults(With(kSolved, {{10, 'F'}}));
    EXPECT_TRUE(twice.contains("The white-green edge is on the cube 2 times (at top right and top front); every piece is "
                               "there once."))
        << twice.join('\n').toStdString();

    // What only the whole cube shows: exactly one fault each.
    EXPECT_EQ(Faults(With(kSolved, {{8, 'R'}, {9, 'F'}, {20, 'U'}})),
              QStringList{"A corner is twisted: the corners' turns do not add up. Turn one corner in place by a third of a turn."});
    EXPECT_EQ(Faults(With(kSolved, {{7, 'F'}, {19, 'U'}})),
              QStringList{"An edge is flipped: one edge is the wrong way round. Turn one edge over."});
    EXPECT_EQ(Faults(With(kSolved, {{7, 'U'}, {19, 'R'}, {5, 'U'}, {10, 'F'}})),
              QStringList{"Two pieces are swapped: no turns of a cube exchange just two pieces. Swap two edges or two corners back."});
    // Two corners twisted against each other, two edges flipped: a cube can be that way.
    EXPECT_TRUE(Faults(With(kSolved, {{8, 'R'}, {9, 'F'}, {20, 'U'}, {6, 'L'}, {18, 'U'}, {38, 'F'}, {7, 'F'}, {19, 'U'},
                                      {5, 'R'}, {10, 'U'}}))
                    .isEmpty());
    // The faults mark their squares; an empty square is a fault of its own.
    Position empty = Position::Empty();
    const auto faults = notation::Check(empty);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].message, "48 squares have no colour yet.");
    EXPECT_EQ(faults[0].squares.size(), 48u);
}

TEST(PositionFormat, RealCubesReadWriteAndReadBack)
{
    std::mt19937 rng(21);
    for (int i = 0; i < 300; ++i) {
        // Any turns, the whole cube's and the slices' too: the centres move, and letters follow them.
        CCUBECtrl c;
        Play(c, RandomTurns(rng, 40));
        const Position p = PositionOf(c);
        EXPECT_TRUE(notation::Check(p).empty()) << notation::WritePosition(p).toStdString();
        const QString text = notation::WritePosition(p);
        const notation::PositionText back = notation::ReadPosition(text);
        ASSERT_TRUE(back) << text.toStdString();
        EXPECT_EQ(notation::WritePosition(back.position), text);

        // Random pieces: a position a cube can be in, whose pieces read back as they were drawn.
        const notation::Pieces pieces = RandomPieces(rng);
        const Position drawn = notation::PositionOf(pieces);
        const auto read = notation::PiecesOf(drawn);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->corner, pieces.corner);
        EXPECT_EQ(read->twist, pieces.twist);
        EXPECT_EQ(read->edge, pieces.edge);
        EXPECT_EQ(read->flip, pieces.flip);
    }
}

TEST(PositionFormat, OnlyAPositionLooksLikeOne)
{
    EXPECT_TRUE(notation::LooksLikePosition(kSolved));
    EXPECT_TRUE(notation::LooksLikePosition(QStringLiteral(" UUUUUUUUU\nRRRRRRRRR FFFFFFFFF")));
    EXPECT_TRUE(notation::LooksLikePosition(kSolved + "X"));
    for (const char* moves : {"R U R' U'", "RUR'U'", "F2 D' L2 B R' U2 F2 D L2 U R2 F' L U2 R", "UUUUUUUUU", "(RUF)9"})
        EXPECT_FALSE(notation::LooksLikePosition(QString::fromLatin1(moves))) << moves;
}

} // namespace

namespace {

TEST(PositionFormat, TurnedAsAWholeItIsTheCubeAfterXOrY)
{
    std::mt19937 rng(8);
    for (int i = 0; i < 50; ++i) {
        CCUBECtrl c;
        Play(c, RandomTurns(rng, 30));
        const Position before = PositionOf(c);
        Play(c, Turns("x"));
        EXPECT_EQ(notation::Turned(before, 'x'), PositionOf(c));
        const Position afterX = PositionOf(c);
        Play(c, Turns("y"));
        EXPECT_EQ(notation::Turned(afterX, 'y'), PositionOf(c));
        // However it is held, held the standard way it is one same cube.
        const Position held = notation::HeldStandard(PositionOf(c));
        EXPECT_EQ(held.colour[4], 0);
        EXPECT_EQ(held.colour[22], 2);
        EXPECT_EQ(notation::HeldStandard(before), held);
    }
}

} // namespace
