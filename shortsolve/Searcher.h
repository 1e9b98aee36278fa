// One search of the two-phase method, on the cube seen along one axis (or its inverse). Phase one
// walks every sequence of a given length that ends in the group of U, D, R2, L2, F2, B2 with a move
// outside it (any solution splits so after its last such move); phase two finishes each with the
// fewest moves of the group. With the full tables both phases know exact distances (two bits an
// entry, walked down once at the start). While they are built, phase one reads its table as far as
// it is known (beyond, at least one more), phase two the small tables' lower bounds.
#pragma once

#include "Prepared.h"
#include "ShortSolve.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <vector>

namespace shortsolve::detail {

using Clock = std::chrono::steady_clock;

// What the searches of one solve share: the best length so far and its moves, when to stop.
struct Shared {
    const Options& options;
    std::atomic<int> best;
    std::atomic<bool> stop{false};
    std::atomic<bool> suspect{false}; // too long for tables that tell the truth
    std::atomic<bool> lost{false};    // a walk down a table found no way: it lies
    std::atomic<int> phase1{0};       // the longest first-phase length being tried
    const bool mayLie;
    std::mutex mutex;
    std::vector<Move> solution;
    Clock::time_point start, since, deadline, nextReport;
    std::atomic<bool> reporting{false};

    // `from`: when the caller asked; `since`: when the search on these tables started.
    Shared(const Options& o, Clock::time_point from, Clock::time_point since, bool lie);
    bool Found() const { return best.load(std::memory_order_relaxed) <= options.maxMoves; }
    // A solution of this many moves is sure to exist: failing to find one means the tables lie.
    bool Sure() const { return options.maxMoves >= 20; }
    // Polled every 1024 nodes by every search: the time, the cancel, the reports.
    bool Check();
    void Record(std::vector<Move> moves);
};
// This thread's processor time, and when it started on the search.
double ThreadSeconds();
extern thread_local double searchStart;

class Searcher {
public:
    Searcher(const TableSet& set, Shared& shared, const Cubie& cube, int axis, bool inverse);

    // The first phase's distance (a lower bound beyond what its table knows yet); -1 when the table
    // has no way down from this cube: it lies.
    int Distance1() const { return m_Distance1; }
    const Cubie& Seen() const { return m_Cube; }

    // Every first-phase sequence of exactly `d1` moves; solutions of at most `bound` moves in all.
    // `exhaustive`: every sequence, to prove a short answer the shortest; else one that has reached
    // the group goes on only by leaving it at once, and only where there is room to come back.
    void Run(int d1, int bound, bool exhaustive);

private:
    // `dist`: the distance to the group; while the table is built, a lower bound unless `exact`.
    template <bool Full>
    void Phase1(int tw, int fl, int sl, int dist, bool exact, int n, int togo);
    // The last one to three moves (`togo`), by the ways the cube is known to have.
    template <bool Full>
    void Last(int tw, int fl, int sl, int n, int togo, int last);
    template <bool Full>
    void Leaf(int n);
    bool Phase2Full(int cp, int ep, int sp, int d, int n, int togo);
    bool Phase2Small(int cp, int ep, int sp, int cc, int ec, int n, int togo);
    int H2(int cp, int ep, int sp, int cc, int ec) const;
    bool Poll() { return (++m_Nodes & 1023) == 0 ? m_S.Check() : m_S.stop.load(std::memory_order_relaxed); }
    void Record(int length);

    const TableSet* m_T;
    Shared& m_S;
    const NearGroup* m_Near;
    bool m_Full;
    int m_Known;  // without the full tables: the first phase's table is known this far
    bool m_Exact1 = true;
    int m_Axis;
    bool m_Inverse;
    bool m_Exhaustive = false;
    Cubie m_Cube;
    int m_Twist = 0, m_Flip = 0, m_Slice = 0, m_Distance1 = 0, m_Bound = 0, m_Length = 0;
    uint64_t m_Nodes = 0;
    std::array<Move, 40> m_Path{};
    // The pieces' places along the path, kept from one sequence to the next that shares its start.
    std::array<std::array<int8_t, 8>, 41> m_Corner{};
    std::array<std::array<int8_t, 12>, 41> m_Edge{};
    int m_Valid = 0;
};

} // namespace shortsolve::detail
