// The first phase's full table: flip and middle-edge places together, reduced by the 16 symmetries
// that keep the U-D axis, times the twist; two bits an entry (the distance mod 3, enough since a move
// changes it by one at most). Built breadth first on two threads, backwards once most is filled.
#include "Cubie.h"

#include <algorithm>
#include <thread>

namespace shortsolve::detail {

namespace {

// A quarter turn of the whole cube about the U-D axis, as U turns.
Cubie TurnY()
{
    Cubie y = MoveCubes()[0].Then(MoveCubes()[11]);
    y.ep[8] = 11, y.ep[9] = 8, y.ep[10] = 9, y.ep[11] = 10;
    for (int i = 8; i < 12; ++i)
        y.eo[i] = 1;
    return y;
}

// A half turn about the F-B axis.
const Cubie& TurnZ2()
{
    static const Cubie z{{5, 4, 7, 6, 1, 0, 3, 2}, {0, 0, 0, 0, 0, 0, 0, 0},
                         {6, 5, 4, 7, 2, 1, 0, 3, 9, 8, 11, 10}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    return z;
}

// The cube seen in a mirror between left and right: places and pieces swap, twists turn the other way.
Cubie Mirror(const Cubie& x)
{
    static constexpr int8_t c[8] = {1, 0, 3, 2, 5, 4, 7, 6};
    static constexpr int8_t e[12] = {2, 1, 0, 3, 6, 5, 4, 7, 9, 8, 11, 10};
    Cubie r;
    for (int i = 0; i < 8; ++i) {
        r.cp[i] = c[x.cp[c[i]]];
        r.co[i] = int8_t((3 - x.co[c[i]]) % 3);
    }
    for (int i = 0; i < 12; ++i) {
        r.ep[i] = e[x.ep[e[i]]];
        r.eo[i] = x.eo[e[i]];
    }
    return r;
}

void Add(std::atomic<uint64_t>& n, uint64_t k) { n.fetch_add(k, std::memory_order_relaxed); }

} // namespace

Cubie Symmetric(const Cubie& x, int s)
{
    static const Cubie y = TurnY(), yi = y.Inverse();
    Cubie r = x;
    for (int k = 0; k < (s & 3); ++k)
        r = yi.Then(r).Then(y);
    if (s & 4)
        r = TurnZ2().Then(r).Then(TurnZ2());
    if (s & 8)
        r = Mirror(r);
    return r;
}

bool Phase1Table::Build(const Tables& t, const std::atomic<bool>& abort)
{
    // The symmetry that undoes each one.
    std::array<int, Syms> undo{};
    {
        Cubie probe = Cubie::Solved();
        for (Move m : {0, 4, 7, 10, 14, 17, 2, 5})
            probe = probe.Then(MoveCubes()[m]);
        for (int s = 0; s < Syms; ++s)
            for (int u = 0; u < Syms; ++u)
                if (Symmetric(Symmetric(probe, s), u) == probe)
                    undo[s] = u;
    }
    twistConj.assign(std::size_t(Twists) * Syms, 0);
    for (int v = 0; v < Twists; ++v) {
        Cubie c = Cubie::Solved();
        SetTwist(c, v);
        for (int s = 0; s < Syms; ++s)
            twistConj[std::size_t(v) * Syms + s] = uint16_t(Twist(Symmetric(c, s)));
    }
    constexpr uint32_t None = ~0u;
    classOf.assign(std::size_t(Flips) * Slices, None);
    std::vector<uint32_t> reps;
    std::vector<uint16_t> stable;
    for (uint32_t r = 0; r < classOf.size(); ++r) {
        if (classOf[r] != None)
            continue;
        const uint32_t c = uint32_t(reps.size());
        reps.push_back(r);
        Cubie cube = Cubie::Solved();
        SetFlip(cube, int(r / Slices));
        SetSlice(cube, int(r % Slices));
        uint16_t mask = 0;
        for (int s = 0; s < Syms; ++s) {
            const Cubie x = Symmetric(cube, s);
            const uint32_t r2 = uint32_t(Flip(x)) * Slices + uint32_t(Slice(x));
            if (r2 == r)
                mask |= uint16_t(1u << s);
            if (classOf[r2] == None)
                classOf[r2] = c << 4 | uint32_t(undo[s]);
        }
        stable.push_back(mask);
    }
    classes = int(reps.size());
    const std::size_t total = std::size_t(classes) * Twists;
    dist.assign((total + 31) / 32, ~uint64_t(0));

    const auto get = [this](std::size_t i) {
        return int(std::atomic_ref<uint64_t>(dist[i >> 5]).load(std::memory_order_relaxed) >> ((i & 31) * 2) & 3);
    };
    // Sets an empty entry and those its class's own symmetries make of it; how many were empty.
    const auto set = [&](uint32_t c, int tw, int v) {
        int added = 0;
        uint16_t mask = stable[c];
        for (int s = 0; s < Syms; ++s) {
            if (s > 0 && !(mask >> s & 1))
                continue;
            const std::size_t i = std::size_t(c) * Twists + twistConj[std::size_t(tw) * Syms + s];
            const uint64_t bits = uint64_t(3 ^ v) << ((i & 31) * 2);
            const uint64_t old = std::atomic_ref<uint64_t>(dist[i >> 5]).fetch_and(~bits, std::memory_order_relaxed);
            added += (old >> ((i & 31) * 2) & 3) == 3;
        }
        return added;
    };
    const uint32_t home = classOf[SliceHome];
    std::atomic<uint64_t> filled = set(home >> 4, 0, 0);
    for (int depth = 0; filled < total; ++depth) {
        const bool backwards = filled > total / 2;
        const int now = depth % 3, next = (depth + 1) % 3;
        std::atomic<uint64_t> added = 0;
        const auto pass = [&](uint32_t first, uint32_t step) {
            uint64_t mine = 0;
            uint32_t to[18];
            for (uint32_t c = first; c < uint32_t(classes) && !abort.load(std::memory_order_relaxed); c += step) {
                const uint32_t fl = reps[c] / Slices, sl = reps[c] % Slices;
                for (int m = 0; m < 18; ++m)
                    to[m] = classOf[std::size_t(t.flipMove[fl * 18 + m]) * Slices + t.sliceMove[sl * 18 + m]];
                const std::size_t base = std::size_t(c) * Twists;
                for (int tw = 0; tw < Twists; ++tw) {
                    const int v = get(base + tw);
                    if (backwards ? v != 3 : v != now)
                        continue;
                    for (int m = 0; m < 18; ++m) {
                        const uint32_t c2 = to[m] >> 4;
                        const int t2 = twistConj[std::size_t(t.twistMove[tw * 18 + m]) * Syms + (to[m] & 15)];
                        const int v2 = get(std::size_t(c2) * Twists + t2);
                        if (backwards) {
                            if (v2 == now) {
                                mine += set(c, tw, next);
                                break;
                            }
                        } else if (v2 == 3) {
                            mine += set(c2, t2, next);
                        }
                    }
                }
            }
            Add(added, mine);
        };
        std::thread other(pass, 1, 2);
        pass(0, 2);
        other.join();
        if (abort || added == 0)
            return false;
        filled += added;
    }
    return true;
}

int Phase1Table::Index(int tw, int fl, int sl) const
{
    const uint32_t cs = classOf[std::size_t(fl) * Slices + sl];
    return int(cs >> 4) * Twists + twistConj[std::size_t(tw) * Syms + (cs & 15)];
}

int Phase1Table::Distance(int tw, int fl, int sl, const Tables& t) const
{
    // Down, a move at a time, to the group: each step to the neighbour one nearer.
    int d = 0;
    for (; d <= 20 && !(tw == 0 && fl == 0 && sl == SliceHome); ++d) {
        const int want = (Mod3(tw, fl, sl) + 2) % 3;
        bool found = false;
        for (int m = 0; m < 18 && !found; ++m) {
            const int t2 = t.twistMove[tw * 18 + m], f2 = t.flipMove[fl * 18 + m], s2 = t.sliceMove[sl * 18 + m];
            if (Mod3(t2, f2, s2) == want) {
                tw = t2, fl = f2, sl = s2;
                found = true;
            }
        }
        if (!found)
            return 0;
    }
    return d;
}

} // namespace shortsolve::detail
