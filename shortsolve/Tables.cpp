#include "Cubie.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace shortsolve::detail {

namespace {

// The move table of one coordinate: set it on a solved cube, turn, read it back.
template <typename T>
std::vector<T> MoveTable(int count, void (*set)(Cubie&, int), int (*get)(const Cubie&), bool corners, bool phase2)
{
    const auto& moves = MoveCubes();
    const int n = phase2 ? 10 : 18;
    std::vector<T> table(std::size_t(count) * n);
    for (int v = 0; v < count; ++v) {
        Cubie c = Cubie::Solved();
        set(c, v);
        for (int k = 0; k < n; ++k) {
            const Move m = phase2 ? Phase2Moves[k] : Move(k);
            Cubie d = c;
            // Only the pieces the coordinate reads matter; turning them is enough.
            if (corners) {
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
            table[std::size_t(v) * n + k] = T(get(d));
        }
    }
    return table;
}

// Distances to the goal (a = 0, b = goal) of the pair (a, b), breadth first over `n` moves.
template <typename TA, typename TB>
std::vector<uint8_t> Distances(int na, int nb, const std::vector<TA>& ma, const std::vector<TB>& mb, int n, int goalB)
{
    std::vector<uint8_t> d(std::size_t(na) * nb, 0xFF);
    d[goalB] = 0;
    std::size_t done = 1, total = d.size();
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

constexpr uint32_t TablesVersion = 2;

template <typename T>
void Put(std::vector<uint8_t>& out, const std::vector<T>& v)
{
    const uint64_t n = v.size();
    const auto* p = reinterpret_cast<const uint8_t*>(&n);
    out.insert(out.end(), p, p + sizeof n);
    const auto* q = reinterpret_cast<const uint8_t*>(v.data());
    out.insert(out.end(), q, q + n * sizeof(T));
}

template <typename T>
bool Take(const std::vector<uint8_t>& in, std::size_t& at, std::vector<T>& v, std::size_t expected)
{
    uint64_t n = 0;
    if (in.size() - at < sizeof n)
        return false;
    std::memcpy(&n, in.data() + at, sizeof n);
    at += sizeof n;
    if (n != expected || (in.size() - at) / sizeof(T) < n)
        return false;
    v.resize(n);
    std::memcpy(v.data(), in.data() + at, n * sizeof(T));
    at += n * sizeof(T);
    return true;
}

} // namespace

void Tables::Build()
{
    twistMove = MoveTable<uint16_t>(Twists, SetTwist, Twist, true, false);
    flipMove = MoveTable<uint16_t>(Flips, SetFlip, Flip, false, false);
    sliceMove = MoveTable<uint16_t>(Slices, SetSlice, Slice, false, false);
    cornerMove2 = MoveTable<uint16_t>(CornerPerms, SetCornerPerm, CornerPerm, true, true);
    edgeMove2 = MoveTable<uint16_t>(EdgePerms8, SetEdgePerm8, EdgePerm8, false, true);
    sliceMove2 = MoveTable<uint8_t>(SlicePerms, SetSlicePerm, SlicePerm, false, true);
    cornerCombMove2 = MoveTable<uint8_t>(Combs, SetCornerComb, CornerComb, true, true);
    edgeCombMove2 = MoveTable<uint8_t>(Combs, SetEdgeComb, EdgeComb, false, true);
    // The largest table on a core of its own, the others beside it.
    std::thread big([this] { twistFlip = Distances(Twists, Flips, twistMove, flipMove, 18, 0); });
    twistSlice = Distances(Twists, Slices, twistMove, sliceMove, 18, SliceHome);
    flipSlice = Distances(Flips, Slices, flipMove, sliceMove, 18, SliceHome);
    cornerSlice2 = Distances(CornerPerms, SlicePerms, cornerMove2, sliceMove2, 10, 0);
    edgeSlice2 = Distances(EdgePerms8, SlicePerms, edgeMove2, sliceMove2, 10, 0);
    big.join();
    std::thread other([this] { cornerComb2 = Distances(CornerPerms, Combs, cornerMove2, edgeCombMove2, 10, CombHome); });
    edgeComb2 = Distances(EdgePerms8, Combs, edgeMove2, cornerCombMove2, 10, CombHome);
    other.join();
}

std::vector<uint8_t> Tables::Save() const
{
    std::vector<uint8_t> out;
    Put(out, std::vector<uint32_t>{TablesVersion});
    Put(out, twistMove);
    Put(out, flipMove);
    Put(out, sliceMove);
    Put(out, cornerMove2);
    Put(out, edgeMove2);
    Put(out, sliceMove2);
    Put(out, cornerCombMove2);
    Put(out, edgeCombMove2);
    Put(out, twistSlice);
    Put(out, flipSlice);
    Put(out, twistFlip);
    Put(out, cornerSlice2);
    Put(out, edgeSlice2);
    Put(out, cornerComb2);
    Put(out, edgeComb2);
    return out;
}

bool Tables::Load(const std::vector<uint8_t>& in)
{
    std::size_t at = 0;
    std::vector<uint32_t> version;
    if (!Take(in, at, version, 1) || version[0] != TablesVersion)
        return false;
    const bool ok = Take(in, at, twistMove, std::size_t(Twists) * 18) && Take(in, at, flipMove, std::size_t(Flips) * 18)
                    && Take(in, at, sliceMove, std::size_t(Slices) * 18)
                    && Take(in, at, cornerMove2, std::size_t(CornerPerms) * 10)
                    && Take(in, at, edgeMove2, std::size_t(EdgePerms8) * 10)
                    && Take(in, at, sliceMove2, std::size_t(SlicePerms) * 10)
                    && Take(in, at, cornerCombMove2, std::size_t(Combs) * 10)
                    && Take(in, at, edgeCombMove2, std::size_t(Combs) * 10)
                    && Take(in, at, twistSlice, std::size_t(Twists) * Slices)
                    && Take(in, at, flipSlice, std::size_t(Flips) * Slices)
                    && Take(in, at, twistFlip, std::size_t(Twists) * Flips)
                    && Take(in, at, cornerSlice2, std::size_t(CornerPerms) * SlicePerms)
                    && Take(in, at, edgeSlice2, std::size_t(EdgePerms8) * SlicePerms)
                    && Take(in, at, cornerComb2, std::size_t(CornerPerms) * Combs)
                    && Take(in, at, edgeComb2, std::size_t(EdgePerms8) * Combs) && at == in.size();
    if (!ok)
        return false;
    // A block that fits but holds nonsense must not send the search out of its tables.
    const auto below = [](const auto& v, std::size_t limit) {
        for (auto x : v)
            if (std::size_t(x) >= limit)
                return false;
        return true;
    };
    return below(twistMove, Twists) && below(flipMove, Flips) && below(sliceMove, Slices)
           && below(cornerMove2, CornerPerms) && below(edgeMove2, EdgePerms8) && below(sliceMove2, SlicePerms)
           && below(cornerCombMove2, Combs) && below(edgeCombMove2, Combs);
}

std::vector<uint8_t> Phase1Table::Save() const
{
    std::vector<uint8_t> out;
    Put(out, std::vector<uint32_t>{TablesVersion, uint32_t(classes)});
    Put(out, classOf);
    Put(out, twistConj);
    Put(out, dist);
    return out;
}

bool Phase1Table::Load(const std::vector<uint8_t>& in)
{
    std::size_t at = 0;
    std::vector<uint32_t> head;
    if (!Take(in, at, head, 2) || head[0] != TablesVersion || head[1] == 0 || head[1] > 70000)
        return false;
    classes = int(head[1]);
    if (!(Take(in, at, classOf, std::size_t(Flips) * Slices) && Take(in, at, twistConj, std::size_t(Twists) * Syms)
          && Take(in, at, dist, (std::size_t(classes) * Twists + 31) / 32) && at == in.size()))
        return false;
    return std::all_of(classOf.begin(), classOf.end(), [&](uint32_t c) { return int(c >> 4) < classes; })
           && std::all_of(twistConj.begin(), twistConj.end(), [](uint16_t v) { return v < Twists; });
}

} // namespace shortsolve::detail
