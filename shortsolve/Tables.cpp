#include "Tables.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <thread>

#include <sys/mman.h>

namespace shortsolve::detail {

namespace {

constexpr std::size_t Words(std::size_t entries) { return (entries + 31) / 32 * 8; }

constexpr std::array<SectionInfo, SectionCount> Sections{{
    {"twist move table", std::size_t(Twists) * 18 * 2, false},
    {"flip move table", std::size_t(Flips) * 18 * 2, false},
    {"slice move table", std::size_t(Slices) * 18 * 2, false},
    {"corner move table", std::size_t(CornerPerms) * 10 * 2, false},
    {"edge move table", std::size_t(EdgePerms8) * 10 * 2, false},
    {"middle edge move table", std::size_t(SlicePerms) * 10, false},
    {"first phase's classes", std::size_t(Flips) * Slices * 3 + 1, false},
    {"first phase's twist symmetries", std::size_t(Twists) * Syms * 2, false},
    {"first phase's class symmetries", std::size_t(FlipSliceClasses) * 2, false},
    {"first phase's table", Words(std::size_t(FlipSliceClasses) * Twists), true},
    {"second phase's classes", std::size_t(CornerPerms) * 2, false},
    {"second phase's edge symmetries", std::size_t(EdgePerms8) * Syms * 2, false},
    {"second phase's middle edge symmetries", std::size_t(SlicePerms) * Syms, false},
    {"second phase's class symmetries", std::size_t(CornerClasses) * 2, false},
    {"corner x middle edge table", std::size_t(CornerClasses) * SlicePerms, false},
    {"second phase's table", Words(std::size_t(CornerClasses) * EdgePerms8), true},
    {"second phase's edge classes", std::size_t(EdgePerms8) * 2, false},
    {"second phase's top corner symmetries", std::size_t(Combs) * Syms, false},
    {"edge x top corner table", std::size_t(EdgeClasses) * Combs, false},
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

const std::array<Coordinate, CoordinateCount> Coordinates{{
    {Twists, 18, SetTwist, Twist, true, TwistMove},
    {Flips, 18, SetFlip, Flip, false, FlipMove},
    {Slices, 18, SetSlice, Slice, false, SliceMove},
    {CornerPerms, 10, SetCornerPerm, CornerPerm, true, CornerMove2},
    {EdgePerms8, 10, SetEdgePerm8, EdgePerm8, false, EdgeMove2},
    {SlicePerms, 10, SetSlicePerm, SlicePerm, false, SliceMove2},
    {Combs, 10, SetCornerComb, CornerComb, true, SectionCount},
    {Combs, 10, SetEdgeComb, EdgeComb, false, SectionCount},
}};

// A coordinate's moves as ints, from its table in the block, or made here.
std::vector<int> MovesOf(const Block& b, int id)
{
    const Coordinate& c = Coordinates[id];
    std::vector<int> m(std::size_t(c.count) * c.moves);
    for (std::size_t i = 0; i < m.size(); ++i) {
        if (c.section == SectionCount)
            m[i] = Moved(c, int(i / c.moves), int(i % c.moves));
        else if (Sections[c.section].bytes / m.size() == 2)
            m[i] = b.At<uint16_t>(c.section)[i];
        else
            m[i] = b.At<uint8_t>(c.section)[i];
    }
    return m;
}

} // namespace

std::vector<uint8_t> PairDistances(const Block& blk, CoordinateId ida, CoordinateId idb, int goal)
{
    const std::vector<int> ma = MovesOf(blk, ida), mb = MovesOf(blk, idb);
    const int na = Coordinates[ida].count, nb = Coordinates[idb].count, n = Coordinates[ida].moves;
    const std::size_t total = std::size_t(na) * nb;
    std::vector<uint8_t> d(total, 0xFF);
    d[goal] = 0;
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
    return d;
}

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

NearGroup::NearGroup(const Moves& mv)
{
    m_Table[0].resize(32);
    m_Table[1].resize(512);
    m_Table[2].resize(4096);
    for (int m = 0; m < 18; ++m) {
        const int back = InverseMove(Move(m));
        if (!InGroup(Move(m)))
            Add(1, Key(mv.twist[back], mv.flip[back], mv.slice[SliceHome * 18 + back])) |= 1u << m;
    }
    // A move before a way that may follow it, from each cube of the shorter ways.
    for (int k = 2; k <= 3; ++k)
        for (const Entry& e : std::vector<Entry>(m_Table[std::size_t(k - 2)])) {
            if (e.key == Empty)
                continue;
            const uint32_t tw = e.key >> 20, fl = e.key >> 9 & 2047, sl = e.key & 511;
            for (int m = 0; m < 18; ++m) {
                bool follows = false;
                for (uint32_t w = e.ways; w && !follows; w &= w - 1)
                    follows = Follows(m / 3, std::countr_zero(w) / 3);
                const int back = InverseMove(Move(m));
                if (follows)
                    Add(k, Key(mv.twist[tw * 18 + back], mv.flip[fl * 18 + back], mv.slice[sl * 18 + back])) |= 1u << m;
            }
        }
}

uint32_t& NearGroup::Add(int k, uint32_t key)
{
    std::vector<Entry>& t = m_Table[std::size_t(k - 1)];
    const uint32_t mask = uint32_t(t.size() - 1);
    uint32_t i = Slot(key, mask);
    while (t[i].key != key && t[i].key != Empty)
        i = (i + 1) & mask;
    t[i].key = key;
    return t[i].ways;
}

Moves Moves::Of(const Block& b)
{
    return {b.At<uint16_t>(TwistMove), b.At<uint16_t>(FlipMove),  b.At<uint16_t>(SliceMove),
            b.At<uint16_t>(CornerMove2), b.At<uint16_t>(EdgeMove2), b.At<uint8_t>(SliceMove2)};
}

Phase1Table Phase1Table::Of(const Block& b)
{
    return {b.At<uint8_t>(P1Classes), b.At<uint16_t>(P1TwistConj), b.At<uint16_t>(P1Stable), b.At<uint64_t>(P1Distance)};
}

Phase2Table Phase2Table::Of(const Block& b)
{
    return {b.At<uint16_t>(P2Classes),      b.At<uint16_t>(P2EdgeConj),    b.At<uint8_t>(P2SliceConj),
            b.At<uint16_t>(P2Stable),       b.At<uint8_t>(P2CornerSlice), b.At<uint64_t>(P2Distance),
            b.At<uint16_t>(P2EdgeClasses), b.At<uint8_t>(P2CombConj),    b.At<uint8_t>(P2EdgeComb)};
}

int Phase1Table::Distance(int tw, int fl, int sl, const Moves& mv) const
{
    // Down, a move at a time, to the group: each step to a neighbour one nearer.
    int d = 0;
    for (; !(tw == 0 && fl == 0 && sl == SliceHome); ++d) {
        const int here = Mod3(tw, fl, sl);
        if (d > 20 || here == 3)
            return -1;
        int to[54], m = 0;
        std::size_t idx[18];
        Children(tw, fl, sl, mv, to, idx);
        for (; m < 18 && Mod3At(dist, idx[m]) != (here + 2) % 3; ++m) {
        }
        if (m == 18)
            return -1;
        tw = to[3 * m], fl = to[3 * m + 1], sl = to[3 * m + 2];
    }
    return d;
}

int Phase2Table::Distance(int cp, int ep, const Moves& mv, int most, const uint8_t* corners) const
{
    int d = 0;
    for (; !(cp == 0 && ep == 0); ++d) {
        if (d > most || (corners && d + corners[classOf[cp] >> 4] > most))
            return most + 1;
        const int here = Mod3At(dist, Index(cp, ep));
        if (d > 30 || here == 3)
            return -1;
        int to[20], k = 0;
        std::size_t idx[10];
        Children(cp, ep, mv, to, idx);
        for (; k < 10 && Mod3At(dist, idx[k]) != (here + 2) % 3; ++k) {
        }
        if (k == 10)
            return -1;
        cp = to[2 * k], ep = to[2 * k + 1];
    }
    return d;
}

namespace {

// Walks down a table from several entries at once, a step of each in turn, so that the fetches of
// one step of all of them overlap. `children(s, to, idx)` fetches the children of s (into `to`, K
// ints each) and their entries; `goal(s)`; `index(s)`, its entry.
template <int K, int Moves, typename Children, typename Goal, typename Index>
void InStep(int count, const int (*cube)[K], const uint64_t* dist, int* out, Children children, Goal goal, Index index)
{
    int at[19][K], here[19], to[19][Moves * K];
    std::size_t idx[19][Moves];
    for (int i = 0; i < count; ++i) {
        std::copy_n(cube[i], K, at[i]);
        here[i] = Mod3At(dist, index(at[i]));
        out[i] = here[i] == 3 ? -1 : -2; // -2: under way
    }
    for (int step = 0; step <= 30; ++step) {
        bool any = false;
        for (int i = 0; i < count; ++i) {
            if (out[i] == -2 && goal(at[i]))
                out[i] = step;
            if (out[i] == -2) {
                children(at[i], to[i], idx[i]);
                any = true;
            }
        }
        if (!any)
            return;
        for (int i = 0; i < count; ++i) {
            if (out[i] != -2)
                continue;
            int m = 0;
            for (; m < Moves && Mod3At(dist, idx[i][m]) != (here[i] + 2) % 3; ++m) {
            }
            if (m == Moves) {
                out[i] = -1;
                continue;
            }
            std::copy_n(to[i] + K * m, K, at[i]);
            here[i] = (here[i] + 2) % 3;
        }
    }
    for (int i = 0; i < count; ++i)
        if (out[i] == -2)
            out[i] = -1;
}

} // namespace

void Phase1Table::Distances(int count, const int (*cube)[3], const Moves& mv, int* out) const
{
    InStep<3, 18>(
        count, cube, dist, out, [&](const int* c, int* to, std::size_t* idx) { Children(c[0], c[1], c[2], mv, to, idx); },
        [](const int* c) { return c[0] == 0 && c[1] == 0 && c[2] == SliceHome; },
        [this](const int* c) { return Index(c[0], c[1], c[2]); });
}

void Phase2Table::Distances(int count, const int (*cube)[2], const Moves& mv, int* out) const
{
    InStep<2, 10>(
        count, cube, dist, out, [&](const int* c, int* to, std::size_t* idx) { Children(c[0], c[1], mv, to, idx); },
        [](const int* c) { return c[0] == 0 && c[1] == 0; }, [this](const int* c) { return Index(c[0], c[1]); });
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

void BuildMoves(Block& b, int phase)
{
    for (const Coordinate& c : Coordinates) {
        if (c.section == SectionCount || (phase != 0 && (c.moves == 18) != (phase == 1)))
            continue;
        const bool wide = Sections[c.section].bytes == std::size_t(c.count) * c.moves * 2;
        for (int v = 0; v < c.count; ++v)
            for (int k = 0; k < c.moves; ++k) {
                const std::size_t i = std::size_t(v) * c.moves + k;
                if (wide)
                    b.At<uint16_t>(c.section)[i] = uint16_t(Moved(c, v, k));
                else
                    b.At<uint8_t>(c.section)[i] = uint8_t(Moved(c, v, k));
            }
    }
}

std::unique_ptr<SmallTables> BuildSmall(const Block& b)
{
    auto s = std::make_unique<SmallTables>();
    for (auto [id, to] : {std::pair{CCornerComb2, &s->cornerCombMove}, std::pair{CEdgeComb2, &s->edgeCombMove}}) {
        const std::vector<int> m = MovesOf(b, id);
        to->assign(m.begin(), m.end());
    }
    s->cornerSlice = PairDistances(b, CCorner2, CSlice2, 0);
    s->edgeSlice = PairDistances(b, CEdge2, CSlice2, 0);
    s->cornerComb = PairDistances(b, CCorner2, CEdgeComb2, CombHome);
    s->edgeComb = PairDistances(b, CEdge2, CCornerComb2, CombHome);
    return s;
}

} // namespace shortsolve::detail
