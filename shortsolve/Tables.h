// The search's tables: one block of memory laid out exactly as the cache file (a header page, then
// each table at a fixed place), either mapped from that file or anonymous and filled here. The
// search reads them through plain pointers into the block.
#pragma once

#include "Cubie.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace shortsolve::detail {

// The tables, in the file's order.
enum Section : int {
    TwistMove, FlipMove, SliceMove, CornerMove2, EdgeMove2, SliceMove2, CornerCombMove2, EdgeCombMove2,
    TwistSlice, FlipSlice, TwistFlip, CornerSlice2, EdgeSlice2, CornerComb2, EdgeComb2,
    P1Classes, P1TwistConj, P1Stable, P1Distance,
    SectionCount
};

struct SectionInfo {
    const char* name; // as a message names it
    std::size_t bytes;
    bool large;       // its checksum is checked in the background, not before the tables are used
};
const SectionInfo& Info(Section s);
// Where the section starts in the block, whose first page is the file's header.
std::size_t Offset(Section s);
constexpr std::size_t HeaderBytes = 4096;
std::size_t BlockBytes();

// The first phase's symmetry classes of flip and middle-edge places: a known count.
constexpr int FlipSliceClasses = 64430;

// Memory holding a block, given back when the last table set using it goes.
class Block {
public:
    // Zeroed memory of its own.
    static std::shared_ptr<Block> Anonymous();
    // The file's bytes, private to this process (writable: a copy on write, to finish a build).
    static std::shared_ptr<Block> Map(int fd, bool writable, std::string& error);
    ~Block();
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;

    uint8_t* Data() { return m_Data; }
    const uint8_t* Data() const { return m_Data; }
    template <typename T>
    T* At(Section s) { return reinterpret_cast<T*>(m_Data + Offset(s)); }
    template <typename T>
    const T* At(Section s) const { return reinterpret_cast<const T*>(m_Data + Offset(s)); }

private:
    explicit Block(uint8_t* data) : m_Data(data) {}
    uint8_t* m_Data;
};

// The move tables, [value * 18 + move] (second phase: [value * 10 + index]), and the small tables
// of distances, each a lower bound on the moves still needed.
struct Tables {
    const uint16_t *twistMove, *flipMove, *sliceMove, *cornerMove2, *edgeMove2;
    const uint8_t *sliceMove2, *cornerCombMove2, *edgeCombMove2;
    // To the first phase's group, at least: twist x slice, flip x slice, twist x flip.
    const uint8_t *twistSlice, *flipSlice, *twistFlip;
    // To solved within it: corners x middle edges, other edges x middle edges, corners x where the
    // top edges are, edges x where the top corners are.
    const uint8_t *cornerSlice2, *edgeSlice2, *cornerComb2, *edgeComb2;

    static Tables Of(const Block& b);
};

// Exact distances to the first phase's group, by symmetry class of flip and middle-edge places,
// times the twist; two bits an entry: the distance mod 3, enough since a move changes it by one.
struct Phase1Table {
    const uint32_t* classOf;   // [flip * Slices + slice]: class << 4 | the symmetry taking it there
    const uint16_t* twistConj; // [twist * Syms + symmetry]
    const uint16_t* stable;    // [class]: the symmetries that keep its representative
    const uint64_t* dist;      // [class * Twists + twist]

    static Phase1Table Of(const Block& b);
    int Index(int tw, int fl, int sl) const
    {
        const uint32_t cs = classOf[std::size_t(fl) * Slices + sl];
        return int(cs >> 4) * Twists + twistConj[std::size_t(tw) * Syms + (cs & 15)];
    }
    int Mod3At(std::size_t i) const { return int(dist[i >> 5] >> ((i & 31) * 2) & 3); }
    int Mod3(int tw, int fl, int sl) const { return Mod3At(std::size_t(Index(tw, fl, sl))); }
    // The entries of the 18 children of (tw, fl, sl), their coordinates in `to` (3 each): asked for
    // all at once, in two rounds (classes, then distances), so that the memory fetches overlap.
    void Children(int tw, int fl, int sl, const Tables& t, int* to, int* idx) const
    {
        std::size_t raw[18];
        for (int m = 0; m < 18; ++m) {
            to[3 * m] = t.twistMove[tw * 18 + m], to[3 * m + 1] = t.flipMove[fl * 18 + m], to[3 * m + 2] = t.sliceMove[sl * 18 + m];
            raw[m] = std::size_t(to[3 * m + 1]) * Slices + to[3 * m + 2];
            __builtin_prefetch(&classOf[raw[m]]);
        }
        for (int m = 0; m < 18; ++m) {
            const uint32_t cs = classOf[raw[m]];
            idx[m] = int(cs >> 4) * Twists + twistConj[std::size_t(to[3 * m]) * Syms + (cs & 15)];
            __builtin_prefetch(&dist[std::size_t(idx[m]) >> 5]);
        }
    }
    // The exact distance, walking down the table; -1 when the walk finds no way down (a table
    // that lies).
    int Distance(int tw, int fl, int sl, const Tables& t) const;
};

// The coordinates that have move tables, and how each is made.
struct Coordinate {
    Section section;
    int count, moves, width; // values, moves (18, or 10 in the second phase), bytes an entry
    void (*set)(Cubie&, int);
    int (*get)(const Cubie&);
    bool corners;
};
enum CoordinateId { CTwist, CFlip, CSlice, CCorner2, CEdge2, CSlice2, CCornerComb2, CEdgeComb2, CoordinateCount };
const Coordinate& CoordinateOf(int id);
// The coordinate after move k (an index into the phase's moves), from its definition.
int Moved(const Coordinate& c, int v, int k);
// The same from the block's table.
int MoveEntry(const Block& b, const Coordinate& c, int v, int k);

// The small distance tables: pairs of two coordinates, [a * b's count + b].
struct PairTable {
    Section section;
    CoordinateId a, b;
    int goal; // b's value when solved; a's is 0
};
const std::array<PairTable, 7>& PairTables();

// Filling a block, in this order: the move tables, then the small distance tables.
void BuildMoves(Block& b);
void BuildSmall(Block& b);

// The first phase's full table, built breadth first, a pass per distance. It can stop between
// any two rows and go on from the pass it was in, in this process or, from the saved block, the next.
class Phase1Builder {
public:
    // `pass`: where a saved build stopped (0: from the start).
    Phase1Builder(Block& b, int pass) : m_B(b), m_Pass(pass) {}
    Phase1Builder(const Phase1Builder&) = delete;
    // False when stopped by `abort` first; then Run again goes on.
    bool Run(const std::atomic<bool>& abort, int threads);
    int Pass() const { return m_Pass; }
    // How far it has got, 0 to 1.
    double Done() const;

private:
    bool Classes(const std::atomic<bool>& abort);

    Block& m_B;
    int m_Pass; // 0: the classes are still to be made; k > 0: distance k - 1 is being filled
    std::atomic<uint64_t> m_Filled{0};
};

} // namespace shortsolve::detail
