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
#include <functional>
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
    std::string file;   // the cache file read or to be written; empty when there is no cache
    std::string reason; // for MemoryOnly: why they are not kept in a file
    double seconds = 0; // time to load them, or to build what the first search needs
};

// Makes the tables ready (loaded from the cache, or built) and says how. Thread-safe; every later
// call returns at once. On a fresh cache, the small tables are built at once and the full ones
// beside the searches, at a low priority, then saved. The cache lives in $XDG_CACHE_HOME/merlos,
// else ~/.cache/merlos, else in the account's home as the system knows it; else there is none.
TablesInfo PrepareTables();
// Whether the tables are ready, without waiting for them.
bool TablesReady();
// The cache file's name in its folder.
std::string CacheFileName();

// What happened to the cache, as it happens, for the person to be told (one line each).
struct CacheNote {
    enum Kind {
        NoCache,    // there is no folder for it (`reason`): the tables are kept in memory only
        Rejected,   // `file` was not used (`reason`): the tables are built again
        NotWritten, // `file` could not be written (`reason`): the tables are kept in memory only
        Lying,      // the tables from `file` failed a search (`reason`): they are built again
    };
    Kind kind;
    std::string file, reason;
};
// Where the notes go (from any thread, one at a time); set before PrepareTables().
void OnCacheNote(std::function<void(const CacheNote&)> note);

// Before the process ends: a build of the full tables still under way is finished and saved when
// it is nearly done or went on from an earlier run's, else what it has done is saved for the next
// run to go on from. Then nothing is built any more.
void SaveBeforeExit();

// How far a search has got, reported while it runs.
struct Progress {
    int bound;     // the longest solution it looks for
    int phase1;    // the length of the first phase's sequences being tried
    double seconds;
};

struct Options {
    int maxMoves = 20;     // the longest solution wanted
    // The search ends this long after it starts, with the shortest solution found by then; 0: no
    // limit, it ends at the first solution (or when none is left to try).
    int timeLimitMs = 100;
    bool untilFirst = false; // no solution at the time limit: go on until the first one
    const std::atomic<bool>* cancel = nullptr; // set from another thread to stop at once
    int threads = 2;
    // Called (from the search's threads, one at a time) at least every `progressMs` while it runs.
    std::function<void(const Progress&)> progress;
    int progressMs = 2000;
};

struct Result {
    enum Status { Solved, NotFound, Cancelled };
    Status status = NotFound;
    std::vector<Move> moves; // checked on the pieces: they take them to solved
    bool optimal = false;    // the search proved that nothing shorter exists
    double seconds = 0;      // how long it took
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
