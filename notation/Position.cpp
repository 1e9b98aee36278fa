// The position format and its checks. Pieces are found the usual way of cube solvers: a corner's
// twist is where its top or bottom colour sits among its three squares, an edge's flip whether its
// squares are the wrong way round; a real cube's twists add up to whole turns, its flips to an even
// number, and its corners and edges are in orders of the same parity.
#include "Position.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <numeric>

namespace notation {

namespace {

constexpr char Letters[] = "URFDLB";

// The squares of each corner and edge place, and the faces whose colours its own piece has there.
constexpr int CornerSquare[8][3] = {
    {8, 9, 20}, {6, 18, 38}, {0, 36, 47}, {2, 45, 11}, {29, 26, 15}, {27, 44, 24}, {33, 53, 42}, {35, 17, 51},
};
constexpr Face CornerFaces[8][3] = {
    {U, R, F}, {U, F, L}, {U, L, B}, {U, B, R}, {D, F, R}, {D, L, F}, {D, B, L}, {D, R, B},
};
constexpr int EdgeSquare[12][2] = {
    {5, 10}, {7, 19}, {3, 37}, {1, 46}, {32, 16}, {28, 25}, {30, 43}, {34, 52}, {23, 12}, {21, 41}, {50, 39}, {48, 14},
};
constexpr Face EdgeFaces[12][2] = {
    {U, R}, {U, F}, {U, L}, {U, B}, {D, R}, {D, F}, {D, L}, {D, B}, {F, R}, {F, L}, {B, L}, {B, R},
};
const char* const CornerPlace[8] = {QT_TRANSLATE_NOOP("notation", "top front right"), QT_TRANSLATE_NOOP("notation", "top front left"), QT_TRANSLATE_NOOP("notation", "top back left"), QT_TRANSLATE_NOOP("notation", "top back right"), QT_TRANSLATE_NOOP("notation", "bottom front right"), QT_TRANSLATE_NOOP("notation", "bottom front left"), QT_TRANSLATE_NOOP("notation", "bottom back left"), QT_TRANSLATE_NOOP("notation", "bottom back right")};
const char* const EdgePlace[12] = {QT_TRANSLATE_NOOP("notation", "top right"), QT_TRANSLATE_NOOP("notation", "top front"), QT_TRANSLATE_NOOP("notation", "top left"), QT_TRANSLATE_NOOP("notation", "top back"), QT_TRANSLATE_NOOP("notation", "bottom right"), QT_TRANSLATE_NOOP("notation", "bottom front"), QT_TRANSLATE_NOOP("notation", "bottom left"), QT_TRANSLATE_NOOP("notation", "bottom back"), QT_TRANSLATE_NOOP("notation", "front right"), QT_TRANSLATE_NOOP("notation", "front left"), QT_TRANSLATE_NOOP("notation", "back left"), QT_TRANSLATE_NOOP("notation", "back right")};
const char* const FaceWord[6] = {QT_TRANSLATE_NOOP("notation", "top (U)"), QT_TRANSLATE_NOOP("notation", "right (R)"), QT_TRANSLATE_NOOP("notation", "front (F)"), QT_TRANSLATE_NOOP("notation", "bottom (D)"), QT_TRANSLATE_NOOP("notation", "left (L)"), QT_TRANSLATE_NOOP("notation", "back (B)")};
const char* const ColourWord[6] = {QT_TRANSLATE_NOOP("notation", "white"), QT_TRANSLATE_NOOP("notation", "orange"), QT_TRANSLATE_NOOP("notation", "green"), QT_TRANSLATE_NOOP("notation", "red"), QT_TRANSLATE_NOOP("notation", "blue"), QT_TRANSLATE_NOOP("notation", "yellow")};

// A word of the tables above, in the user's language.
QString Tr(const char* text) { return QCoreApplication::translate("notation", text); }

constexpr Face Opposite(Face f) { return static_cast<Face>((f + 3) % 6); }

QString Capital(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

QString Place(const char* place, const char* kind)
{
    return (kind[0] == 'c' ? QCoreApplication::translate("notation", "the corner at %1") : QCoreApplication::translate("notation", "the edge at %1")).arg(Tr(place));
}

// Where a square is, for a person: "square 5 of the front (F)".
QString SquareWord(int s) { return QCoreApplication::translate("notation", "square %1 of the %2").arg(s % 9 + 1).arg(Tr(FaceWord[s / 9])); }

int Parity(const int8_t* order, int n)
{
    int inversions = 0;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            inversions += order[i] > order[j];
    return inversions % 2;
}

struct Found {
    std::array<int8_t, 8> corner, twist;
    std::array<int8_t, 12> edge, flip;
};

template <std::size_t N>
std::vector<int> SquaresOf(const int (&squares)[N]) { return std::vector<int>(std::begin(squares), std::end(squares)); }

// Every piece found in more than one place (`at` holds the places where each piece was found).
template <std::size_t N, std::size_t Sides>
void Twice(std::vector<Fault>& faults, const std::array<std::vector<int>, N>& at, const int (&squares)[N][Sides],
           const char* const (&places)[N], const Face (&faces)[N][Sides], const std::array<int, 6>& centre, const char* kind)
{
    for (std::size_t j = 0; j < N; ++j) {
        if (at[j].size() < 2)
            continue;
        std::vector<int> where;
        QStringList named, colours;
        for (int i : at[j]) {
            where.insert(where.end(), std::begin(squares[i]), std::end(squares[i]));
            named << Tr(places[i]);
        }
        for (Face f : faces[j])
            colours << Tr(ColourWord[centre[f]]);
        const int fois = static_cast<int>(at[j].size());
        faults.push_back({Fault::Piece,
                          (kind[0] == 'c' ? QCoreApplication::translate("notation", "The %1 corner is on the cube %n times (at %2); every piece is there once.", nullptr,
                                                                       fois)
                                            : QCoreApplication::translate("notation", "The %1 edge is on the cube %n times (at %2); every piece is there once.", nullptr,
                                                                       fois))
                              .arg(colours.join(QLatin1Char('-')), named.join(QCoreApplication::translate("notation", " and "))),
                          where});
    }
}

// The checks, and what they found of the pieces.
std::vector<Fault> Examine(const Position& p, Found& found)
{
    std::vector<Fault> faults;
    std::vector<int> empty, unknown;
    std::array<int, 6> count{};
    for (int s = 0; s < Squares; ++s) {
        const int c = p.colour[s];
        if (c == NoColour)
            empty.push_back(s);
        else if (c < 0 || c > 5)
            unknown.push_back(s);
        else
            ++count[c];
    }
    if (!unknown.empty())
        faults.push_back({Fault::Empty, QCoreApplication::translate("notation", "%1 has no colour a cube has.").arg(Capital(SquareWord(unknown.front()))), unknown});
    const int vides = static_cast<int>(empty.size());
    if (!empty.empty())
        faults.push_back({Fault::Empty, QCoreApplication::translate("notation", "%n square(s) have no colour yet.", nullptr, vides),
                          empty});
    const bool complete = empty.empty() && unknown.empty();
    for (int c = 0; c < 6; ++c) {
        if (count[c] > 9) {
            std::vector<int> where;
            for (int s = 0; s < Squares; ++s)
                if (p.colour[s] == c)
                    where.push_back(s);
            faults.push_back({Fault::Count, QCoreApplication::translate("notation", "%1 is on %2 squares; every colour is on exactly nine.").arg(Capital(ColourName(c))).arg(count[c]),
                              where});
        } else if (complete && count[c] < 9) {
            faults.push_back({Fault::Count, QCoreApplication::translate("notation", "%1 is on only %2 squares; every colour is on exactly nine.").arg(Capital(ColourName(c))).arg(count[c]),
                              {}});
        }
    }

    // The centres: six colours, in opposite pairs as a standard cube has them, not a mirror image.
    std::array<int, 6> centre{};
    std::array<int, 6> faceOf;
    faceOf.fill(-1);
    bool centresOk = true;
    for (int f = 0; f < 6; ++f) {
        centre[f] = p.colour[9 * f + 4];
        if (centre[f] < 0 || centre[f] > 5) {
            centresOk = false;
            continue;
        }
        if (faceOf[centre[f]] >= 0) {
            faults.push_back({Fault::Centre, QCoreApplication::translate("notation", "The centres of the %1 and the %2 are both %3: the six centres have six different colours.")
                                  .arg(Tr(FaceWord[faceOf[centre[f]]]), Tr(FaceWord[f]),
                                       Tr(ColourWord[centre[f]])),
                              {9 * faceOf[centre[f]] + 4, 9 * f + 4}});
            centresOk = false;
        } else {
            faceOf[centre[f]] = f;
        }
    }
    if (centresOk) {
        auto standardOpposite = [](int c) { return StandardCentre[(std::find(StandardCentre.begin(), StandardCentre.end(), c) - StandardCentre.begin() + 3) % 6]; };
        for (Face f : {U, R, F})
            if (centre[Opposite(f)] != standardOpposite(centre[f])) {
                faults.push_back({Fault::Centre, QCoreApplication::translate("notation", "The %1 and %2 centres face each other; on a cube white faces yellow, green "
                                                 "faces blue and red faces orange.")
                                      .arg(Tr(ColourWord[centre[f]]), Tr(ColourWord[centre[Opposite(f)]])),
                                  {9 * f + 4, 9 * Opposite(f) + 4}});
                centresOk = false;
            }
    }
    if (centresOk) {
        // Seen with white up and green in front, red is on the right: any held cube is a turn of that.
        bool standard = false;
        for (const auto& corner : CornerFaces)
            for (int o = 0; o < 3; ++o)
                standard = standard
                           || (StandardCentre[corner[o]] == centre[U] && StandardCentre[corner[(o + 1) % 3]] == centre[R]
                               && StandardCentre[corner[(o + 2) % 3]] == centre[F]);
        if (!standard) {
            faults.push_back({Fault::Centre, QCoreApplication::translate("notation", "The centres are a mirror image of a cube's: held with white up and green in "
                                             "front, a cube has red on the right."),
                              {4, 13, 22, 31, 40, 49}});
            centresOk = false;
        }
    }
    if (!centresOk)
        return faults;

    // The pieces, by the faces whose centres have their colours.
    const auto face = [&](int s) { return static_cast<Face>(faceOf[p.colour[s]]); };
    const auto colours = [&](std::initializer_list<int> squares) {
        QStringList names;
        for (int s : squares)
            names << QLatin1String(ColourWord[p.colour[s]]);
        return names;
    };
    found.corner.fill(-1);
    found.edge.fill(-1);
    std::array<std::vector<int>, 8> cornerAt;
    std::array<std::vector<int>, 12> edgeAt;
    for (int i = 0; i < 8; ++i) {
        const int* sq = CornerSquare[i];
        if (p.colour[sq[0]] < 0 || p.colour[sq[0]] > 5 || p.colour[sq[1]] < 0 || p.colour[sq[1]] > 5 || p.colour[sq[2]] < 0
            || p.colour[sq[2]] > 5)
            continue;
        const Face a = face(sq[0]), b = face(sq[1]), c = face(sq[2]);
        for (int j = 0; j < 8 && found.corner[i] < 0; ++j)
            for (int o = 0; o < 3; ++o) {
                const Face at[3] = {a, b, c};
                if (at[o] == CornerFaces[j][0] && at[(o + 1) % 3] == CornerFaces[j][1] && at[(o + 2) % 3] == CornerFaces[j][2]) {
                    found.corner[i] = static_cast<int8_t>(j);
                    found.twist[i] = static_cast<int8_t>(o);
                    cornerAt[j].push_back(i);
                }
            }
        if (found.corner[i] >= 0)
            continue;
        const QStringList n = colours({sq[0], sq[1], sq[2]});
        QString why;
        if (a == b || b == c || a == c)
            why = QCoreApplication::translate("notation", "%1 has %2, %3 and %4: one colour twice").arg(Place(CornerPlace[i], "corner"), n[0], n[1], n[2]);
        else if (a == Opposite(b) || b == Opposite(c) || a == Opposite(c))
            why = QCoreApplication::translate("notation", "%1 has %2, %3 and %4: two colours of opposite faces never meet on a piece")
                      .arg(Place(CornerPlace[i], "corner"), n[0], n[1], n[2]);
        else
            why = QCoreApplication::translate("notation", "%1 has %2, %3 and %4 the wrong way round: no corner has them in that order")
                      .arg(Place(CornerPlace[i], "corner"), n[0], n[1], n[2]);
        why = Capital(why);
        faults.push_back({Fault::Piece, why + QLatin1Char('.'), SquaresOf(CornerSquare[i])});
    }
    for (int i = 0; i < 12; ++i) {
        const int* sq = EdgeSquare[i];
        if (p.colour[sq[0]] < 0 || p.colour[sq[0]] > 5 || p.colour[sq[1]] < 0 || p.colour[sq[1]] > 5)
            continue;
        const Face a = face(sq[0]), b = face(sq[1]);
        for (int j = 0; j < 12; ++j)
            if ((a == EdgeFaces[j][0] && b == EdgeFaces[j][1]) || (a == EdgeFaces[j][1] && b == EdgeFaces[j][0])) {
                found.edge[i] = static_cast<int8_t>(j);
                found.flip[i] = static_cast<int8_t>(a != EdgeFaces[j][0]);
                edgeAt[j].push_back(i);
            }
        if (found.edge[i] >= 0)
            continue;
        const QStringList n = colours({sq[0], sq[1]});
        QString why = a == b ? QCoreApplication::translate("notation", "%1 is %2 on both squares: an edge has two colours").arg(Place(EdgePlace[i], "edge"), n[0])
                             : QCoreApplication::translate("notation", "%1 has %2 and %3: colours of opposite faces never meet on a piece")
                                   .arg(Place(EdgePlace[i], "edge"), n[0], n[1]);
        why = Capital(why);
        faults.push_back({Fault::Piece, why + QLatin1Char('.'), SquaresOf(EdgeSquare[i])});
    }
    Twice(faults, cornerAt, CornerSquare, CornerPlace, CornerFaces, centre, "corner");
    Twice(faults, edgeAt, EdgeSquare, EdgePlace, EdgeFaces, centre, "edge");
    if (!faults.empty() || !complete)
        return faults;

    // Every piece is there once: what remains is what no look at a single piece shows.
    int twist = 0, flip = 0;
    for (int8_t t : found.twist)
        twist += t;
    for (int8_t f : found.flip)
        flip += f;
    if (twist % 3 != 0)
        faults.push_back({Fault::Twist, QCoreApplication::translate("notation", "A corner is twisted: the corners' turns do not add up. Turn one corner in place by "
                                         "a third of a turn."),
                          {}});
    if (flip % 2 != 0)
        faults.push_back({Fault::Flip, QCoreApplication::translate("notation", "An edge is flipped: one edge is the wrong way round. Turn one edge over."), {}});
    if (Parity(found.corner.data(), 8) != Parity(found.edge.data(), 12))
        faults.push_back({Fault::Swap, QCoreApplication::translate("notation", "Two pieces are swapped: no turns of a cube exchange just two pieces. Swap two edges "
                                         "or two corners back."),
                          {}});
    return faults;
}

} // namespace

Position Position::Solved()
{
    Position p;
    for (int s = 0; s < Squares; ++s)
        p.colour[s] = StandardCentre[s / 9];
    return p;
}

Position Position::Empty()
{
    Position p;
    p.colour.fill(NoColour);
    for (int f = 0; f < 6; ++f)
        p.colour[9 * f + 4] = StandardCentre[f];
    return p;
}

QString ColourName(int colour)
{
    if (colour < 0 || colour > 5)
        return QCoreApplication::translate("notation", "no colour");
    const int f = static_cast<int>(std::find(StandardCentre.begin(), StandardCentre.end(), colour) - StandardCentre.begin());
    return QCoreApplication::translate("notation", "%1 (%2)").arg(Tr(ColourWord[colour])).arg(QLatin1Char(Letters[f]));
}

std::vector<Fault> Check(const Position& p)
{
    Found found{};
    return Examine(p, found);
}

std::optional<Pieces> PiecesOf(const Position& p)
{
    Found found{};
    if (!Examine(p, found).empty())
        return std::nullopt;
    return Pieces{found.corner, found.twist, found.edge, found.flip};
}

Position PositionOf(const Pieces& pieces)
{
    Position p = Position::Empty();
    for (int i = 0; i < 8; ++i)
        for (int k = 0; k < 3; ++k)
            p.colour[CornerSquare[i][(k + pieces.twist[i]) % 3]] = StandardCentre[CornerFaces[pieces.corner[i]][k]];
    for (int i = 0; i < 12; ++i)
        for (int k = 0; k < 2; ++k)
            p.colour[EdgeSquare[i][(k + pieces.flip[i]) % 2]] = StandardCentre[EdgeFaces[pieces.edge[i]][k]];
    return p;
}

PositionText ReadPosition(QStringView text)
{
    PositionText r;
    r.position = Position::Empty();
    QString letters;
    for (QChar c : text)
        if (!c.isSpace())
            letters += c.toUpper();
    if (letters.size() != Squares) {
        r.faults.push_back({Fault::Text, QCoreApplication::translate("notation", "A position has 54 letters, nine for each face; this one has %1.").arg(letters.size()), {}});
        return r;
    }
    std::vector<int> wrong;
    for (int s = 0; s < Squares; ++s)
        if (!QLatin1String(Letters).contains(letters[s]))
            wrong.push_back(s);
    if (!wrong.empty()) {
        const QChar c = letters[wrong.front()];
        const char32_t code = c.isHighSurrogate() && wrong.front() + 1 < letters.size()
                                  ? QChar::surrogateToUcs4(c, letters[wrong.front() + 1])
                                  : c.unicode();
        r.faults.push_back({Fault::Text, QCoreApplication::translate("notation", "Letter %1 (%2) is '%3': a position names faces by U, R, F, D, L and B.")
                                .arg(wrong.front() + 1)
                                .arg(SquareWord(wrong.front()), c.isPrint() && code <= 0xFFFF ? QString(c) : QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper()),
                            wrong});
        return r;
    }
    for (int f = 0; f < 6; ++f)
        if (letters[9 * f + 4] != QLatin1Char(Letters[f])) {
            r.faults.push_back({Fault::Text, QCoreApplication::translate("notation", "The centre of the %1 reads %2: each face's centre names that face.")
                                    .arg(Tr(FaceWord[f]), letters[9 * f + 4]),
                                {9 * f + 4}});
            return r;
        }
    for (int s = 0; s < Squares; ++s)
        r.position.colour[s] = StandardCentre[QLatin1String(Letters).indexOf(letters[s])];
    r.faults = Check(r.position);
    return r;
}

QString WritePosition(const Position& p)
{
    QString out(Squares, QLatin1Char('?'));
    for (int s = 0; s < Squares; ++s)
        for (int f = 0; f < 6; ++f)
            if (p.colour[s] != NoColour && p.colour[s] == p.colour[9 * f + 4])
                out[s] = QLatin1Char(Letters[f]);
    return out;
}

namespace {

struct Spot {
    int x, y, z, nx, ny, nz;
    bool operator==(const Spot&) const = default;
};

// Square s in space: x to the right, y up, z to the front; the small cube it is on and which way it faces.
Spot SpotOf(int s)
{
    const int r = s % 9 / 3, c = s % 3;
    switch (s / 9) {
    case U: return {c - 1, 1, r - 1, 0, 1, 0};
    case R: return {1, 1 - r, 1 - c, 1, 0, 0};
    case F: return {c - 1, 1 - r, 1, 0, 0, 1};
    case D: return {c - 1, -1, 1 - r, 0, -1, 0};
    case L: return {-1, 1 - r, c - 1, -1, 0, 0};
    default: return {1 - c, 1 - r, -1, 0, 0, -1};
    }
}

} // namespace

Position Turned(const Position& p, char axis)
{
    // x takes the front to the top, y the front to the left.
    const auto turn = [axis](int& x, int& y, int& z) {
        const int ox = x, oy = y, oz = z;
        if (axis == 'x') {
            y = oz;
            z = -oy;
        } else {
            x = -oz;
            z = ox;
        }
    };
    Position out = p;
    for (int s = 0; s < Squares; ++s) {
        Spot to = SpotOf(s);
        turn(to.x, to.y, to.z);
        turn(to.nx, to.ny, to.nz);
        for (int d = 0; d < Squares; ++d)
            if (SpotOf(d) == to)
                out.colour[d] = p.colour[s];
    }
    return out;
}

Position HeldStandard(const Position& p)
{
    // Every way to hold a cube is some x turns, then y turns, then x turns.
    Position a = p;
    for (int i = 0; i < 4; ++i, a = Turned(a, 'x')) {
        Position b = a;
        for (int j = 0; j < 4; ++j, b = Turned(b, 'y')) {
            Position c = b;
            for (int k = 0; k < 4; ++k, c = Turned(c, 'x'))
                if (c.colour[9 * U + 4] == StandardCentre[U] && c.colour[9 * F + 4] == StandardCentre[F])
                    return c;
        }
    }
    return p;
}

CubeSquare OnCube(int s)
{
    static constexpr int PositionOfFace[6] = {0, 3, 2, 5, 1, 4};
    const int k = s % 9;
    return {PositionOfFace[s / 9], s / 9 == B ? 8 - k : k};
}

bool LooksLikePosition(QStringView text)
{
    int letters = 0, run = 0, longest = 0;
    for (QChar c : text) {
        if (c.isSpace()) {
            run = 0;
            continue;
        }
        // Letters are case-blind in a position.
        if (c.toUpper() < QLatin1Char('A') || c.toUpper() > QLatin1Char('Z'))
            return false;
        ++letters;
        longest = std::max(longest, ++run);
    }
    return letters >= 20 && longest >= 9;
}

} // namespace notation
