#include "Tables.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <thread>
#include <vector>

#include <sys/mman.h>

namespace shortsolve::detail {

namespace {

constexpr std::size_t Words(std::size_t entries) { return (entries + 31) / 32; }

constexpr std::array<SectionInfo, SectionCount> Sections{{
    {"twist move table", std::size_t(Twists) * 18 * 2, false},
    {"flip move table", std::size_t(Flips) * 18 * 2, false},
    {"slice move table", std::size_t(Slices) * 18 * 2, false},
    {"corner move table", std::size_t(CornerPerms) * 10 * 2, false},
    {"edge move table", std::size_t(EdgePerms8) * 10 * 2, false},
    {"middle edge move table", std::size_t(SlicePerms) * 10, false},
    {"top corner move table", std::size_t(Combs) * 10, false},
    {"top edge move table", std::size_t(Combs) * 10, false},
    {"twist x slice table", std::size_t(Twists) * Slices, false},
    {"flip x slice table", std::size_t(Flips) * Slices, false},
    {"twist x flip table", std::size_t(Twists) * Flips, false},
    {"corner x middle edge table", std::size_t(CornerPerms) * SlicePerms, false},
    {"edge x middle edge table", std::size_t(EdgePerms8) * SlicePerms, false},
    {"corner x top edge table", std::size_t(CornerPerms) * Combs, false},
    {"edge x top corner table", std::size_t(EdgePerms8) * Combs, false},
    {"first phase's classes", std::size_t(Flips) * Slices * 4, false},
    {"first phase's twist symmetries", std::size_t(Twists) * Syms * 2, false},
    {"first phase's class symmetries", std::size_t(FlipSliceClasses) * 2, false},
    {"first phase's table", Words(std::size_t(FlipSliceClasses) * Twists) * 8, true},
}};

struct Places {
    std::array<std::size_t, SectionCount> offset{};
    std::size_t total = 0;
};

constexpr Places Layout()
{
    Places p;
    std::size_t at = HeaderBytes;
    for (int s = 0; s < SectionCount; ++s) {
        p.offset[s] = at;
        at = (at + Sections[s].bytes + 63) / 64 * 64;
    }
    p.total = at;
    return p;
}

constexpr Places Where = Layout();

// Distances to the goal (a = 0, b = goal) of the pair (a, b), breadth first.
void Distances(Block& blk, const PairTable& pt)
{
    const Coordinate &ca = CoordinateOf(pt.a), &cb = CoordinateOf(pt.b);
    const int na = ca.count, nb = cb.count, n = ca.moves;
    // The moves of both, as ints, so that the passes read one kind of table.
    std::vector<int> ma(std::size_t(na) * n), mb(std::size_t(nb) * n);
    for (int v = 0; v < na; ++v)
        for (int k = 0; k < n; ++k)
            ma[std::size_t(v) * n + k] = MoveEntry(blk, ca, v, k);
    for (int v = 0; v < nb; ++v)
        for (int k = 0; k < n; ++k)
            mb[std::size_t(v) * n + k] = MoveEntry(blk, cb, v, k);
    uint8_t* d = blk.At<uint8_t>(pt.section);
    const std::size_t total = std::size_t(na) * nb;
    std::memset(d, 0xFF, total);
    d[pt.goal] = 0;
    std::size_t done = 1;
    for (uint8_t depth = 0; done < total; ++depth) {
        std::size_t added = 0;
        // Once most is filled, it is quicker to look from each empty entry for a neighbour at this depth.
        const bool backwards = done > total / 2;
        for (int a = 0; a < na; ++a)
            for (int b = 0; b < nb; ++b) {
                uint8_t& here = d[std::size_t(a) * nb + b];
                if (here != (backwards ? 0xFF : depth))
                    continue;
                for (int k = 0; k < n; ++k) {
                    const std::size_t to = std::size_t(ma[std::size_t(a) * n + k]) * nb + mb[std::size_t(b) * n + k];
                    if (backwards) {
                        if (d[to] == depth) {
                            here = uint8_t(depth + 1);
                            ++added;
                            break;
                        }
                    } else if (d[to] == 0xFF) {
                        d[to] = uint8_t(depth + 1);
                        ++added;
                    }
                }
            }
        if (added == 0)
            break;
        done += added;
    }
}

const std::array<Coordinate, CoordinateCount> Coordinates{{
    {TwistMove, Twists, 18, 2, SetTwist, Twist, true},
    {FlipMove, Flips, 18, 2, SetFlip, Flip, false},
    {SliceMove, Slices, 18, 2, SetSlice, Slice, false},
    {CornerMove2, CornerPerms, 10, 2, SetCornerPerm, CornerPerm, true},
    {EdgeMove2, EdgePerms8, 10, 2, SetEdgePerm8, EdgePerm8, false},
    {SliceMove2, SlicePerms, 10, 1, SetSlicePerm, SlicePerm, false},
    {CornerCombMove2, Combs, 10, 1, SetCornerComb, CornerComb, true},
    {EdgeCombMove2, Combs, 10, 1, SetEdgeComb, EdgeComb, false},
}};

} // namespace

const SectionInfo& Info(Section s) { return Sections[s]; }
std::size_t Offset(Section s) { return Where.offset[s]; }
std::size_t BlockBytes() { return Where.total; }

std::shared_ptr<Block> Block::Anonymous()
{
    void* p = mmap(nullptr, BlockBytes(), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    return std::shared_ptr<Block>(new Block(static_cast<uint8_t*>(p)));
}

std::shared_ptr<Block> Block::Map(int fd, bool writable, std::string& error)
{
    void* p = mmap(nullptr, BlockBytes(), PROT_READ | (writable ? PROT_WRITE : 0), MAP_PRIVATE, fd, 0);
    if (p == MAP_FAILED) {
        error = std::strerror(errno);
        return nullptr;
    }
    return std::shared_ptr<Block>(new Block(static_cast<uint8_t*>(p)));
}

Block::~Block() { munmap(m_Data, BlockBytes()); }

Tables Tables::Of(const Block& b)
{
    return {b.At<uint16_t>(TwistMove),     b.At<uint16_t>(FlipMove),        b.At<uint16_t>(SliceMove),
            b.At<uint16_t>(CornerMove2),   b.At<uint16_t>(EdgeMove2),       b.At<uint8_t>(SliceMove2),
            b.At<uint8_t>(CornerCombMove2), b.At<uint8_t>(EdgeCombMove2),   b.At<uint8_t>(TwistSlice),
            b.At<uint8_t>(FlipSlice),      b.At<uint8_t>(TwistFlip),        b.At<uint8_t>(CornerSlice2),
            b.At<uint8_t>(EdgeSlice2),     b.At<uint8_t>(CornerComb2),      b.At<uint8_t>(EdgeComb2)};
}

Phase1Table Phase1Table::Of(const Block& b)
{
    return {b.At<uint32_t>(P1Classes), b.At<uint16_t>(P1TwistConj), b.At<uint16_t>(P1Stable), b.At<uint64_t>(P1Distance)};
}

int Phase1Table::Distance(int tw, int fl, int sl, const Tables& t) const
{
    // Down, a move at a time, to the group: each step to a neighbour one nearer.
    int d = 0;
    for (; !(tw == 0 && fl == 0 && sl == SliceHome); ++d) {
        const int here = Mod3(tw, fl, sl);
        if (d > 20 || here == 3)
            return -1;
        const int want = (here + 2) % 3;
        int to[54], idx[18], m = 0;
        Children(tw, fl, sl, t, to, idx);
        for (; m < 18; ++m)
            if (Mod3At(std::size_t(idx[m])) == want) {
                tw = to[3 * m], fl = to[3 * m + 1], sl = to[3 * m + 2];
                break;
            }
        if (m == 18)
            return -1;
    }
    return d;
}

const Coordinate& CoordinateOf(int id) { return Coordinates[id]; }

int Moved(const Coordinate& co, int v, int k)
{
    const auto& moves = MoveCubes();
    const Move m = co.moves == 10 ? Phase2Moves[k] : Move(k);
    Cubie c = Cubie::Solved();
    co.set(c, v);
    Cubie d = c;
    // Only the pieces the coordinate reads matter; turning them is enough.
    if (co.corners) {
        for (int i = 0; i < 8; ++i) {
            d.cp[i] = c.cp[moves[m].cp[i]];
            d.co[i] = int8_t((c.co[moves[m].cp[i]] + moves[m].co[i]) % 3);
        }
    } else {
        for (int i = 0; i < 12; ++i) {
            d.ep[i] = c.ep[moves[m].ep[i]];
            d.eo[i] = int8_t((c.eo[moves[m].ep[i]] + moves[m].eo[i]) % 2);
        }
    }
    return co.get(d);
}

int MoveEntry(const Block& b, const Coordinate& c, int v, int k)
{
    const std::size_t i = std::size_t(v) * c.moves + k;
    return c.width == 2 ? b.At<uint16_t>(c.section)[i] : b.At<uint8_t>(c.section)[i];
}

const std::array<PairTable, 7>& PairTables()
{
    static const std::array<PairTable, 7> pairs{{
        {TwistSlice, CTwist, CSlice, SliceHome},
        {FlipSlice, CFlip, CSlice, SliceHome},
        {TwistFlip, CTwist, CFlip, 0},
        {CornerSlice2, CCorner2, CSlice2, 0},
        {EdgeSlice2, CEdge2, CSlice2, 0},
        {CornerComb2, CCorner2, CEdgeComb2, CombHome},
        {EdgeComb2, CEdge2, CCornerComb2, CombHome},
    }};
    return pairs;
}

void BuildMoves(Block& b)
{
    for (const Coordinate& c : Coordinates)
        for (int v = 0; v < c.count; ++v)
            for (int k = 0; k < c.moves; ++k) {
                const std::size_t i = std::size_t(v) * c.moves + k;
                if (c.width == 2)
                    b.At<uint16_t>(c.section)[i] = uint16_t(Moved(c, v, k));
                else
                    b.At<uint8_t>(c.section)[i] = uint8_t(Moved(c, v, k));
            }
}

void BuildSmall(Block& b)
{
    const auto& p = PairTables();
    // The largest table (twist x flip) on a core of its own, the others beside it; then the two
    // next largest side by side.
    std::thread big([&] { Distances(b, p[2]); });
    for (int i : {0, 1, 3, 4})
        Distances(b, p[i]);
    big.join();
    std::thread other([&] { Distances(b, p[5]); });
    Distances(b, p[6]);
    other.join();
}

} // namespace shortsolve::detail
