// Short solutions of the cube by the two-phase method: first into the group the moves U, D, R2, L2,
// F2 and B2 make, then to solved within it. Plain C++, no Qt: the window, the command-line tool and
// the tests all call it directly.
#pragma once

#include "Notation.h"
#include "Position.h"

#include <array>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace shortsolve {

// A face turn: face * 3 + (quarter turns - 1), faces in the order U R F D L B; "R2" counts one move.
using Move = uint8_t;
constexpr int FaceOf(Move m) { return m / 3; }
constexpr int PowerOf(Move m) { return m % 3 + 1; }
// "R", "R2", "R'".
std::string Name(Move m);
// The moves separated by single spaces.
std::string Write(const std::vector<Move>& moves);

// Where the tables came from on this process's first use.
struct TablesInfo {
    enum Source { Loaded, Built, MemoryOnly };
    Source source = Built;
    std::string file;   // the cache file read or written
    std::string reason; // for MemoryOnly: why the file could not be written
    double seconds = 0; // time to load or build them
};

// Makes the tables ready (loaded from the cache, or built and saved there) and says how. Thread-safe;
// every later call returns the same answer at once. The cache lives in $XDG_CACHE_HOME/merlos
// (~/.cache/merlos when unset), as read on the first call.
const TablesInfo& PrepareTables();
// Whether the tables are ready, without waiting for them.
bool TablesReady();
// The cache file's name in `dir`.
std::string CacheFileName();

struct Options {
    int maxMoves = 20;     // the longest solution wanted
    int timeLimitMs = 100; // then keep looking for shorter ones this long; 0 = stop at the first
    const std::atomic<bool>* cancel = nullptr; // set from another thread to stop at once
    int threads = 2;
};

struct Result {
    enum Status { Solved, NotFound, Cancelled };
    Status status = NotFound;
    std::vector<Move> moves; // checked on the pieces: they take them to solved
    bool optimal = false;    // the search proved that nothing shorter exists
};

// The shortest solution found within the options' limits. `pieces` must be those of a real cube
// (as notation::PiecesOf gives them).
Result Solve(const notation::Pieces& pieces, const Options& options = {});

// The pieces after the moves.
notation::Pieces Apply(const notation::Pieces& pieces, const std::vector<Move>& moves);
bool IsSolved(const notation::Pieces& pieces);
notation::Pieces SolvedPieces();

// A position's pieces as seen held white up and green in front, and where each of those faces is as
// the cube stands: face[f] is the face (U R F D L B) where the centre of f's colour is.
struct Held {
    notation::Pieces pieces;
    std::array<int8_t, 6> face;
};
std::optional<Held> Hold(const notation::Position& p);
// Moves found for Hold(p).pieces, named by the faces of p as it stands.
std::vector<Move> AsHeld(const std::vector<Move>& moves, const Held& held);
// The window's turns that make the moves, a half turn as two quarter turns.
std::vector<notation::Turn> Turns(const std::vector<Move>& moves);

} // namespace shortsolve
