// Cube notation: the quarter turns the window makes, read from text ("R U R' U'", "(R U)3",
// "[R, U]", "x y2 r'") and written back from the move log. Qt Core only, no widgets.
//
// Moves are named the way a person holding the cube names them: U D L R F B the outer layers,
// M E S the middle slices (M as L, E as D, S as F), u d l r f b and Uw ... Bw an outer layer with its
// slice, x y z the whole cube (as R, U and F). Each one is a short list of the window's own turns, so
// playing a text gives exactly the log that pressing the buttons gives.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace notation {

// One quarter turn the window makes with one button: the 18 arrows (named as their buttons), then
// the four whole-cube turns.
enum class Turn : uint8_t {
    HHD, HGH, HMD, HGM, HBD, HGB,
    VHG, VBG, VHM, VBM, VHD, VBD,
    TDF, TGF, TDM, TGM, TDA, TGA,
    Haut, Bas, Gauche, Droite,
};
constexpr int TurnCount = 22;

struct TurnInfo {
    const char* button;   // the button's name, which is also its objectName
    char letter;          // its move in cube notation
    bool prime;           // ... turned the other way
    const char16_t* log;  // the log line it writes; for a whole-cube turn the text before the face number
    Turn inverse;
    // How the control makes it: 'H', 'V' or 'T' for MvtH, MvtV or MvtT with the layer's index (the
    // middle layer is 2) and the direction its primitive passes; 'C' for the whole cube, `layer`
    // then being the position whose face AfficherFace brings to the front.
    char axis;
    int8_t layer;
    int8_t direction;
    // The move in words, untranslated (see Words()). Clockwise is as seen facing that face; a slice
    // turns as the face its letter follows (M as L, E as D, S as F).
    const char* words;
};
const TurnInfo& Info(Turn t);
// "R", "U'", "x'".
QString Name(Turn t);
// "right face, clockwise", in the user's language.
QString Words(Turn t);
// The turn the button of that name makes, if it makes one.
std::optional<Turn> FromButton(QStringView name);
// The layer turn a primitive makes on an axis ('H', 'V', 'T') with a layer and a direction, if any.
std::optional<Turn> FromLayer(char axis, int layer, int direction);
Turn Inverse(Turn t);
// The turns that undo `turns`: last first, each one reversed.
std::vector<Turn> Inverse(const std::vector<Turn>& turns);

// What makes a text unsafe to play, with room to spare for any real algorithm or scramble.
struct Limits {
    int length = 200'000;  // characters
    int depth = 64;        // brackets inside brackets
    int turns = 100'000;   // quarter turns once groups and brackets are expanded
};

struct Error {
    int line = 0, column = 0;  // from 1, in characters; 0 when the error has no place
    QString message;           // "line 1, column 7: 'Q' is not a move"
    QString reason;            // the same without its place, for callers that name the text: "'Q' is not a move"
};

struct Parsed {
    std::vector<Turn> turns;
    std::optional<Error> error;
    explicit operator bool() const { return !error; }
};

// The whole text, or its first error and no turns at all.
Parsed Parse(QStringView text, const Limits& limits = {});

// The turn a log line records; nothing for a separator or any other line.
std::optional<Turn> FromLog(QStringView line);

// The line the macros write after their moves.
inline constexpr char16_t Separator[] = u"*--------";
// Whether `line` is one the window writes: a layer turn's line, a whole-cube turn's line ending in
// the face it brought forward (0 to 5, after a blank in place of a sign), or the separator.
bool IsLogLine(QStringView line);

// The log as moves on one line, separators left out, two equal quarter turns in a row written as
// one half turn ("R2", "U2'" for two U'). Parse() of the result gives back the log's turns.
QString WriteLog(const QStringList& lines);

// The log's turns as someone holding the cube still makes them: no whole-cube turns (later moves
// renamed to the faces they act on as the cube was held at the start), and within a run of turns
// about one axis, each layer's turns merged into one move or cancelled, the moves in the order their
// layers first turned. Nothing else is made up: R2 L2 stays R2 L2, never a slice and a turn of the
// whole cube. The result turns the cube the same way up to how it is held.
//
// One move: the quarter turn that makes it as the result holds the cube (for a half turn, the
// clockwise one, twice), and the first and last of the turns given (counted from 0 across all
// parts) that made it.
struct Move {
    Turn turn;
    int8_t count = 1; // 1, or 2 for a half turn
    int first = 0, last = 0;
    bool operator==(const Move&) const = default;
};
// "R", "R'", "R2".
QString Name(const Move& m);
// "right face, half turn" for a half turn, else the words of its turn.
QString Words(const Move& m);
struct Simplified {
    QString text;
    int moves = 0;     // a half turn counts one
    int quarters = 0;  // a half turn counts two
    std::vector<Move> list;
};
Simplified WriteSimplified(const QStringList& lines);
Simplified Simplify(const std::vector<Turn>& turns);
// The same, one part after another, never merging a move across the end of a part: each part's
// text names faces as the cube was held at the start of the first part, so the texts played one
// after the other turn the cube as Simplify() of all the turns does.
std::vector<Simplified> SimplifyParts(const std::vector<std::vector<Turn>>& parts);

} // namespace notation
