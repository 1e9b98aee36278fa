#include "SpotCheck.h"

#include <algorithm>
#include <random>
#include <thread>
#include <vector>

namespace shortsolve::detail {

namespace {

std::string Wrong(const char* table, uint64_t k, int64_t d, int64_t e)
{
    return std::string(table) + ": entry " + std::to_string(k) + " is " + std::to_string(d) + ", expected " + std::to_string(e);
}

std::string Moves(const Block& b, std::mt19937_64& rng, int samples)
{
    for (int id = 0; id < CoordinateCount; ++id) {
        const Coordinate& c = CoordinateOf(id);
        for (int i = 0; i < samples; ++i) {
            const int v = int(rng() % uint64_t(c.count)), k = int(rng() % uint64_t(c.moves));
            const int stored = MoveEntry(b, c, v, k), right = Moved(c, v, k);
            if (stored != right)
                return Wrong(Info(c.section).name, uint64_t(v) * c.moves + k, stored, right);
        }
    }
    return {};
}

// A table of exact distances: the goal at 0, every other entry one more than its nearest neighbour.
std::string Pairs(const Block& b, std::mt19937_64& rng, int samples)
{
    for (const PairTable& p : PairTables()) {
        const Coordinate &ca = CoordinateOf(p.a), &cb = CoordinateOf(p.b);
        const uint8_t* d = b.At<uint8_t>(p.section);
        for (int i = 0; i < samples; ++i) {
            const int a = int(rng() % uint64_t(ca.count)), v = int(rng() % uint64_t(cb.count));
            int nearest = 255;
            for (int k = 0; k < ca.moves; ++k)
                nearest = std::min<int>(nearest, d[std::size_t(MoveEntry(b, ca, a, k)) * cb.count + MoveEntry(b, cb, v, k)]);
            const int right = a == 0 && v == p.goal ? 0 : nearest + 1;
            const std::size_t at = std::size_t(a) * cb.count + v;
            if (d[at] != right)
                return Wrong(Info(p.section).name, at, d[at], right);
        }
    }
    return {};
}

Cubie FlipSliceCube(uint32_t raw)
{
    Cubie c = Cubie::Solved();
    SetFlip(c, int(raw / Slices));
    SetSlice(c, int(raw % Slices));
    return c;
}

uint32_t FlipSliceOf(const Cubie& c) { return uint32_t(Flip(c)) * Slices + uint32_t(Slice(c)); }

// The symmetries: twists turned, each flip and slice taken to its class's representative (the
// smallest of its images) by the symmetry stored, and each representative's own symmetries.
std::string Symmetries(const Block& b, const std::vector<uint32_t>& reps, std::mt19937_64& rng, int samples)
{
    const Phase1Table p = Phase1Table::Of(b);
    for (int i = 0; i < samples; ++i) {
        const int tw = int(rng() % Twists), s = int(rng() % Syms);
        Cubie c = Cubie::Solved();
        SetTwist(c, tw);
        const int right = Twist(Symmetric(c, s));
        if (p.twistConj[tw * Syms + s] != right)
            return Wrong(Info(P1TwistConj).name, uint64_t(tw) * Syms + s, p.twistConj[tw * Syms + s], right);
        const uint32_t raw = uint32_t(rng() % (uint64_t(Flips) * Slices));
        const Cubie x = FlipSliceCube(raw);
        uint32_t smallest = raw;
        for (int k = 0; k < Syms; ++k)
            smallest = std::min(smallest, FlipSliceOf(Symmetric(x, k)));
        const uint32_t stored = p.classOf[raw], cls = stored >> 4;
        if (cls >= reps.size() || reps[cls] != smallest || FlipSliceOf(Symmetric(x, int(stored & 15))) != smallest)
            return Wrong(Info(P1Classes).name, raw, stored, int64_t(std::lower_bound(reps.begin(), reps.end(), smallest) - reps.begin()) << 4);
        uint16_t mask = 0;
        const uint32_t r = uint32_t(rng() % reps.size());
        for (int k = 0; k < Syms; ++k)
            mask |= uint16_t((FlipSliceOf(Symmetric(FlipSliceCube(reps[r]), k)) == reps[r]) << k);
        if (p.stable[r] != mask)
            return Wrong(Info(P1Stable).name, r, p.stable[r], mask);
    }
    return {};
}

// The full table's distances, read by walking down it: entries spread evenly over the table.
std::string Distances1(const Block& b, const std::vector<uint32_t>& reps, uint64_t seed, int samples, int part, int parts)
{
    const Tables t = Tables::Of(b);
    const Phase1Table p = Phase1Table::Of(b);
    std::mt19937_64 rng(seed + uint64_t(part));
    const uint64_t total = uint64_t(reps.size()) * Twists;
    for (int k = part; k < samples; k += parts) {
        const uint64_t i = total * uint64_t(k) / uint64_t(samples) + rng() % (total / uint64_t(samples));
        const int tw = int(i % Twists), fl = int(reps[i / Twists] / Slices), sl = int(reps[i / Twists] % Slices);
        const int here = p.Distance(tw, fl, sl, t);
        int nearest = 99;
        for (int m = 0; m < 18; ++m) {
            const int d = p.Distance(t.twistMove[tw * 18 + m], t.flipMove[fl * 18 + m], t.sliceMove[sl * 18 + m], t);
            nearest = std::min(nearest, d < 0 ? 99 : d);
        }
        const int right = tw == 0 && fl == 0 && sl == SliceHome ? 0 : nearest + 1;
        if (here != right)
            return Wrong(Info(P1Distance).name, i, here, right);
    }
    return {};
}

} // namespace

std::string SpotCheck(const Block& b, bool phase1, uint64_t seed, int samples)
{
    std::mt19937_64 rng(seed);
    std::string why = Moves(b, rng, samples / 4);
    if (why.empty())
        why = Pairs(b, rng, samples / 4);
    if (!why.empty() || !phase1)
        return why;
    // Each class's representative: the one entry taken there by no symmetry.
    const Phase1Table p = Phase1Table::Of(b);
    std::vector<uint32_t> reps;
    reps.reserve(FlipSliceClasses);
    for (uint32_t r = 0; r < uint32_t(Flips) * Slices; ++r)
        if ((p.classOf[r] & 15) == 0 && p.classOf[r] >> 4 == reps.size())
            reps.push_back(r);
    if (reps.size() != FlipSliceClasses)
        return std::string(Info(P1Classes).name) + ": " + std::to_string(reps.size()) + " classes, expected "
               + std::to_string(FlipSliceClasses);
    why = Symmetries(b, reps, rng, samples / 8);
    if (!why.empty())
        return why;
    // The walks are the longest part: on two threads.
    std::string other;
    std::thread helper([&] { other = Distances1(b, reps, seed, samples, 1, 2); });
    why = Distances1(b, reps, seed, samples, 0, 2);
    helper.join();
    return why.empty() ? other : why;
}

} // namespace shortsolve::detail
