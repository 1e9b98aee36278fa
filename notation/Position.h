// A cube's position as the usual exchange format of cube solvers writes it: 54 letters, the faces in
// the order U R F D L B, nine letters each, each face read row by row as seen from outside (U with
// its back edge up, D with its front edge up, the side faces with their top edge up); each letter
// names the face whose centre has that square's colour. Reading it checks that a real cube can be in
// that position, and says why not, naming the piece where there is one.
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace notation {

// The faces in the order of the format.
enum Face : int { U, R, F, D, L, B };
constexpr int Squares = 54;

// Colours as the cube numbers them: 0 white, 1 orange, 2 green, 3 red, 4 blue, 5 yellow.
constexpr int8_t NoColour = -1;
// The centre's colour of each face of a cube held white up and green in front.
constexpr std::array<int8_t, 6> StandardCentre{0, 3, 2, 5, 1, 4};

struct Position {
    // Square 9 * face + 3 * row + column, in the format's order; NoColour where none is known yet.
    std::array<int8_t, Squares> colour{};

    static Position Solved();
    static Position Empty(); // only the centres, as a cube held white up and green in front
    bool operator==(const Position&) const = default;
};

// Why a position cannot be set up, and the squares it concerns (indices as in Position).
struct Fault {
    enum Kind { Text, Empty, Count, Centre, Piece, Twist, Flip, Swap };
    Kind kind;
    QString message;
    std::vector<int> squares;
};

// Every reason a real cube cannot be in `p`, most basic first: squares without a colour, colours
// not on nine squares, centres, pieces that cannot exist or appear twice, then (only once every
// piece exists once) a twisted corner, a flipped edge, two pieces swapped. Empty when it can be.
std::vector<Fault> Check(const Position& p);

struct PositionText {
    Position position;
    std::vector<Fault> faults; // empty when the text is a position a cube can be in
    explicit operator bool() const { return faults.empty(); }
};
// Blanks and line breaks anywhere are ignored. The letters become the colours of a cube held white up
// and green in front.
PositionText ReadPosition(QStringView text);
// The letters; a colour that is no face's centre is written '?'.
QString WritePosition(const Position& p);
// Whether a text is meant as a position rather than as moves: only capital letters, at least 20 of
// them, nine or more in a row.
bool LooksLikePosition(QStringView text);

// The pieces, as a solver sees them: which piece stands in each place and how it is turned there.
// Corners URF UFL ULB UBR DFR DLF DBL DRB; edges UR UF UL UB DR DF DL DB FR FL BL BR.
struct Pieces {
    std::array<int8_t, 8> corner{}, twist{};
    std::array<int8_t, 12> edge{}, flip{};
};
// The pieces of a position whose check is clean.
std::optional<Pieces> PiecesOf(const Position& p);
// The position of pieces on a cube held white up and green in front.
Position PositionOf(const Pieces& pieces);

// The same cube turned as a whole a quarter turn about the axis of R ('x') or of U ('y'), as those
// moves turn it.
Position Turned(const Position& p, char axis);
// The same cube held with its white centre up and its green centre in front; as it is when its
// centres are not those of a cube.
Position HeldStandard(const Position& p);

enum class Turn : uint8_t;
// The position after one of the window's turns (a layer, a slice or the whole cube), squares read
// as the cube then stands; and after several.
void Play(Position& p, Turn t);
Position Played(const Position& from, const std::vector<Turn>& turns);
// Whether every face is one colour, however the cube is held.
bool SolvedAnyWay(const Position& p);

// Where square s of the format lies on the cube: the position (0 top, 1 left, 2 front, 3 right,
// 4 back, 5 bottom) and the square in the numbering of the face that stands there, whose back face is
// stored turned by a half turn.
struct CubeSquare {
    int position, square;
};
CubeSquare OnCube(int s);

// The colour's name for messages: "white (U)".
QString ColourName(int colour);

} // namespace notation
