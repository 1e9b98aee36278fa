// The search's tables: one block of memory laid out exactly as the cache file (a header page, then
// each table at a fixed place), either mapped from that file or anonymous and filled here. The
// search reads them through plain pointers into the block. Small tables, quick to build, serve
// until the full ones are there; they are never saved.
#pragma once

#include "Cubie.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace shortsolve::detail {

// The tables of the file, in its order.
enum Section : int {
    TwistMove, FlipMove, SliceMove, CornerMove2, EdgeMove2, SliceMove2,
    P1Classes, P1TwistConj, P1Stable, P1Distance,
    P2Classes, P2EdgeConj, P2SliceConj, P2Stable, P2CornerSlice, P2Distance,
    P2EdgeClasses, P2CombConj, P2EdgeComb,
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

// The symmetry classes (under the 16 symmetries that keep the U-D axis): of flip and middle-edge
// places together (the first phase's), and of corner orders (the second phase's). Known counts.
// The top and bottom edges' orders fall into as many classes as the corners'.
constexpr int FlipSliceClasses = 64430, CornerClasses = 2768, EdgeClasses = 2768;

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

// The move tables, [value * 18 + move] (second phase: [value * 10 + index]).
struct Moves {
    const uint16_t *twist, *flip, *slice, *corner2, *edge2;
    const uint8_t* slice2;
    static Moves Of(const Block& b);
};

constexpr bool InGroup(Move m) { return FaceOf(m) == 0 || FaceOf(m) == 3 || PowerOf(m) == 2; }
constexpr Move InverseMove(Move m) { return Move(3 * FaceOf(m) + 2 - m % 3); }
// Same face twice, or the opposite faces in the other order, only repeat shorter sequences.
constexpr bool Follows(int last, int face) { return last < 0 || (face != last && face != last - 3); }

// The cubes (their first-phase coordinates) from which ways of exactly one, two or three moves,
// the last outside the group, reach the group; with the first moves of those ways, a bit each. A
// small hash table each (8, 144 and 2,592 cubes at most): the last moves of a first-phase sequence
// found this way cost no read of the large table, two trips to memory for each child.
class NearGroup {
public:
    explicit NearGroup(const Moves& mv);
    // The first moves of the ways of exactly `k` moves, 1 to 3.
    uint32_t Ways(int k, int tw, int fl, int sl) const
    {
        const std::vector<Entry>& t = m_Table[std::size_t(k - 1)];
        const uint32_t key = Key(tw, fl, sl), mask = uint32_t(t.size() - 1);
        for (uint32_t i = Slot(key, mask);; i = (i + 1) & mask)
            if (t[i].key == key || t[i].key == Empty)
                return t[i].ways;
    }

private:
    static constexpr uint32_t Empty = ~0u;
    struct Entry {
        uint32_t key = Empty, ways = 0;
    };
    static uint32_t Key(int tw, int fl, int sl) { return uint32_t(tw) << 20 | uint32_t(fl) << 9 | uint32_t(sl); }
    static uint32_t Slot(uint32_t key, uint32_t mask) { return (key * 0x9E3779B1u >> 16) & mask; }
    uint32_t& Add(int k, uint32_t key);
    std::array<std::vector<Entry>, 3> m_Table;
};

// Two bits an entry, the distance mod 3: enough, since a move changes a distance by one at most.
// 3 while unknown: a table being built is read while it is filled (an entry, once set, stays).
inline int Mod3At(const uint64_t* words, std::size_t i)
{
    return int(__atomic_load_n(&words[i >> 5], __ATOMIC_RELAXED) >> ((i & 31) * 2) & 3);
}
// The distance of a neighbour of an entry `d` away, from its entry mod 3: one of d - 1, d, d + 1.
inline int Near(int d, int mod3) { return d - 1 + (mod3 - d % 3 + 4) % 3; }

// Exact distances to the first phase's group, by symmetry class of flip and middle-edge places,
// times the twist.
struct Phase1Table {
    const uint8_t* classOf;    // [flip * Slices + slice], 3 bytes: class << 4 | the symmetry taking it there
    const uint16_t* twistConj; // [twist * Syms + symmetry]
    const uint16_t* stable;    // [class]: the symmetries that keep its representative
    const uint64_t* dist;      // [class * Twists + twist]

    static Phase1Table Of(const Block& b);
    uint32_t Class(std::size_t raw) const
    {
        uint32_t v;
        std::memcpy(&v, classOf + 3 * raw, 4);
        return v & 0xFFFFFF;
    }
    std::size_t Index(int tw, int fl, int sl) const
    {
        const uint32_t cs = Class(std::size_t(fl) * Slices + sl);
        return std::size_t(cs >> 4) * Twists + twistConj[std::size_t(tw) * Syms + (cs & 15)];
    }
    int Mod3(int tw, int fl, int sl) const { return Mod3At(dist, Index(tw, fl, sl)); }
    // The entries of the 18 children of (tw, fl, sl), their coordinates in `to` (3 each): asked for
    // all at once, in two rounds (classes, then distances), so that the memory fetches overlap. The
    // moves `skip` has a bit for are left out.
    [[gnu::always_inline]] void Children(int tw, int fl, int sl, const Moves& mv, int* to, std::size_t* idx, uint32_t skip = 0) const
    {
        std::size_t raw[18];
        for (int m = 0; m < 18; ++m) {
            if (skip >> m & 1)
                continue;
            to[3 * m] = mv.twist[tw * 18 + m], to[3 * m + 1] = mv.flip[fl * 18 + m], to[3 * m + 2] = mv.slice[sl * 18 + m];
            raw[m] = std::size_t(to[3 * m + 1]) * Slices + to[3 * m + 2];
            __builtin_prefetch(classOf + 3 * raw[m]);
        }
        for (int m = 0; m < 18; ++m) {
            if (skip >> m & 1)
                continue;
            const uint32_t cs = Class(raw[m]);
            idx[m] = std::size_t(cs >> 4) * Twists + twistConj[std::size_t(to[3 * m]) * Syms + (cs & 15)];
            __builtin_prefetch(&dist[idx[m] >> 5]);
        }
    }
    // The exact distance, walking down the table; -1 when the walk finds no way down (a table
    // that lies).
    int Distance(int tw, int fl, int sl, const Moves& mv) const;
    // The same of up to 19 cubes ((tw, fl, sl) each) at once, their walks in step so that their
    // fetches overlap.
    void Distances(int count, const int (*cube)[3], const Moves& mv, int* out) const;
};

// Exact distances to solved within the first phase's group, of the corners' and the top and bottom
// edges' orders (by symmetry class of the corners' order), of the corners' and the middle edges'
// orders, and of the edges' order and where the top corners are (by class of the edges' order).
struct Phase2Table {
    const uint16_t* classOf;     // [corners]: class << 4 | the symmetry taking it there
    const uint16_t* edgeConj;    // [edges * Syms + symmetry]
    const uint8_t* sliceConj;    // [middle edges * Syms + symmetry]
    const uint16_t* stable;      // [class]
    const uint8_t* cornerSlice;  // [class * SlicePerms + middle edges], exact
    const uint64_t* dist;        // [class * EdgePerms8 + edges], mod 3
    const uint16_t* edgeClassOf; // [edges]: class << 4 | symmetry
    const uint8_t* combConj;     // [top corners' places * Syms + symmetry]
    const uint8_t* edgeComb;     // [edge class * Combs + top corners' places], exact

    static Phase2Table Of(const Block& b);
    std::size_t Index(int cp, int ep) const
    {
        const uint32_t cs = classOf[cp];
        return std::size_t(cs >> 4) * EdgePerms8 + edgeConj[std::size_t(ep) * Syms + (cs & 15)];
    }
    // The entries of the 10 children of (cp, ep), their coordinates in `to` (2 each): asked for all
    // at once, in two rounds (classes and edge symmetries, then distances).
    void Children(int cp, int ep, const Moves& mv, int* to, std::size_t* idx) const
    {
        for (int k = 0; k < 10; ++k) {
            to[2 * k] = mv.corner2[cp * 10 + k], to[2 * k + 1] = mv.edge2[ep * 10 + k];
            __builtin_prefetch(&classOf[to[2 * k]]);
            __builtin_prefetch(&edgeConj[std::size_t(to[2 * k + 1]) * Syms]);
        }
        for (int k = 0; k < 10; ++k) {
            idx[k] = Index(to[2 * k], to[2 * k + 1]);
            __builtin_prefetch(&dist[idx[k] >> 5]);
        }
    }
    int CornerSlice(int cp, int sp) const
    {
        const uint32_t cs = classOf[cp];
        return cornerSlice[(cs >> 4) * SlicePerms + sliceConj[sp * Syms + (cs & 15)]];
    }
    int EdgeComb(int ep, int cc) const
    {
        const uint32_t es = edgeClassOf[ep];
        return edgeComb[(es >> 4) * Combs + combConj[cc * Syms + (es & 15)]];
    }
    // The exact distance of corners and top and bottom edges, when at most `most`, else more; -1
    // when the walk finds no way down. `corners` (the corners' own distance by class) ends a walk
    // as soon as they alone show the rest of the way too long.
    int Distance(int cp, int ep, const Moves& mv, int most = 30, const uint8_t* corners = nullptr) const;
    // The same of up to 11 (cp, ep) at once, in step.
    void Distances(int count, const int (*cube)[2], const Moves& mv, int* out) const;
};

// The coordinates that have move tables, and how each is made.
struct Coordinate {
    int count, moves; // values, moves (18, or 10 in the second phase)
    void (*set)(Cubie&, int);
    int (*get)(const Cubie&);
    bool corners;
    Section section; // where its table is in the block; SectionCount: in the small tables
};
enum CoordinateId { CTwist, CFlip, CSlice, CCorner2, CEdge2, CSlice2, CCornerComb2, CEdgeComb2, CoordinateCount };
const Coordinate& CoordinateOf(int id);
// The coordinate after move k (an index into the phase's moves), from its definition.
int Moved(const Coordinate& c, int v, int k);

// Until the second phase's full table is there: lower bounds from tables that pair two of its
// coordinates, [a * b's count + b], built here in a fraction of a second. Never saved.
struct SmallTables {
    std::vector<uint8_t> cornerCombMove, edgeCombMove; // where the top layer's corners, edges are
    // Corners x middle edges, edges x middle edges, corners x where the top edges are, edges x
    // where the top corners are.
    std::vector<uint8_t> cornerSlice, edgeSlice, cornerComb, edgeComb;
};
// The move tables first (of one phase's coordinates, 1 or 2, or of both), then the small tables
// from them.
void BuildMoves(Block& b, int phase = 0);
// Distances to the goal (a = 0, b = goal) of a pair of coordinates, breadth first.
std::vector<uint8_t> PairDistances(const Block& b, CoordinateId a, CoordinateId b2, int goal);
std::unique_ptr<SmallTables> BuildSmall(const Block& b);

// The full tables, built breadth first, a pass per distance, the first phase's then the second's.
// The build can stop between any two rows and go on from the pass it was in, in this process or,
// from the saved block, the next. While it goes on, the first phase's table holds every entry up to
// the distance `known` says (-1: none yet; 99: all of them).
class FullBuilder {
public:
    // `pass`: where a saved build stopped (0: from the start).
    FullBuilder(Block& b, int pass, std::atomic<int>& known);
    FullBuilder(const FullBuilder&) = delete;
    // False when stopped by `abort` first, or once the first phase's table is known up to `until`;
    // then Run again goes on.
    bool Run(const std::atomic<bool>& abort, int threads, int until = 99);
    int Pass() const { return m_Pass; }
    // How far it has got, 0 to 1.
    double Done() const;

private:
    Block& m_B;
    int m_Pass; // first phase's in the low byte, second's above (0: its classes still to be made)
    std::atomic<uint64_t> m_Filled{0};
    std::atomic<int>& m_Known;
};

// The classes, symmetries and small exact table of each phase, then a breadth-first pass of its
// table: false when stopped by `abort`. `filled` counts the entries known, 0 when not yet counted.
bool Phase1Classes(Block& b, const std::atomic<bool>& abort);
bool Phase1Pass(Block& b, int depth, std::atomic<uint64_t>& filled, const std::atomic<bool>& abort, int threads, bool& full);
bool Phase2Classes(Block& b, const std::atomic<bool>& abort);
bool Phase2Pass(Block& b, int depth, std::atomic<uint64_t>& filled, const std::atomic<bool>& abort, int threads, bool& full);

} // namespace shortsolve::detail
