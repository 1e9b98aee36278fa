#include "SpotCheck.h"

#include <algorithm>
#include <random>
#include <thread>
#include <vector>

namespace shortsolve::detail {

namespace {

std::string Wrong(Section table, uint64_t k, int64_t d, int64_t e)
{
    return std::string(Info(table).name) + ": entry " + std::to_string(k) + " is " + std::to_string(d) + ", expected " + std::to_string(e);
}

std::string MoveTables(const Block& b, std::mt19937_64& rng, int samples)
{
    for (int id = 0; id < CoordinateCount; ++id) {
        const Coordinate& c = CoordinateOf(id);
        if (c.section == SectionCount)
            continue;
        const bool wide = Info(c.section).bytes == std::size_t(c.count) * c.moves * 2;
        for (int i = 0; i < samples; ++i) {
            const int v = int(rng() % uint64_t(c.count)), k = int(rng() % uint64_t(c.moves));
            const std::size_t at = std::size_t(v) * c.moves + k;
            const int stored = wide ? b.At<uint16_t>(c.section)[at] : b.At<uint8_t>(c.section)[at], right = Moved(c, v, k);
            if (stored != right)
                return Wrong(c.section, at, stored, right);
        }
    }
    return {};
}

// A coordinate seen through a symmetry, against its table.
template <typename T>
std::string Conjugate(const T* table, Section s, int count, void (*set)(Cubie&, int), int (*get)(const Cubie&), std::mt19937_64& rng)
{
    const int v = int(rng() % uint64_t(count)), sym = int(rng() % Syms);
    Cubie c = Cubie::Solved();
    set(c, v);
    const int right = get(Symmetric(c, sym));
    const std::size_t at = std::size_t(v) * Syms + sym;
    return table[at] == right ? std::string() : Wrong(s, at, table[at], right);
}

// A class map: a value taken by the stored symmetry to its class's representative, the smallest of
// its images; and a representative's own symmetries.
template <typename Of>
std::string ClassOf(Section classes, Section stables, const std::vector<uint32_t>& reps, const uint16_t* stable, uint32_t v,
                    Of image, uint32_t stored, std::mt19937_64& rng)
{
    uint32_t smallest = v;
    for (int s = 0; s < Syms; ++s)
        smallest = std::min(smallest, image(v, s));
    const uint32_t cls = stored >> 4;
    if (cls >= reps.size() || reps[cls] != smallest || image(v, int(stored & 15)) != smallest)
        return Wrong(classes, v, stored, int64_t(std::lower_bound(reps.begin(), reps.end(), smallest) - reps.begin()) << 4);
    const uint32_t r = uint32_t(rng() % reps.size());
    if (!stable)
        return {};
    uint16_t mask = 0;
    for (int s = 0; s < Syms; ++s)
        mask |= uint16_t((image(reps[r], s) == reps[r]) << s);
    return stable[r] == mask ? std::string() : Wrong(stables, r, stable[r], mask);
}

// Distances read by walking down a table, at entries spread evenly over it: the goal at 0, every
// other one more than its nearest neighbour. `distances(i, d)`: entry i's in d[moves], its
// neighbours' before it.
template <typename Distances>
std::string Walks(Section table, uint64_t total, int moves, uint64_t goal, Distances distances, uint64_t seed, int samples)
{
    std::string found[2];
    const auto part = [&](int which) {
        std::mt19937_64 rng(seed + uint64_t(which));
        for (int k = which; k < samples && found[which].empty(); k += 2) {
            const uint64_t i = total * uint64_t(k) / uint64_t(samples) + rng() % (total / uint64_t(samples));
            int d[19];
            distances(i, d);
            int nearest = 99;
            for (int m = 0; m < moves; ++m)
                nearest = std::min(nearest, d[m] < 0 ? 99 : d[m]);
            const int here = d[moves], right = i == goal ? 0 : nearest + 1;
            if (here != right)
                found[which] = Wrong(table, i, here, right);
        }
    };
    std::thread helper(part, 1);
    part(0);
    helper.join();
    return found[0].empty() ? found[1] : found[0];
}

template <typename Table>
std::vector<uint32_t> Representatives(const Table& classOf, uint32_t count)
{
    std::vector<uint32_t> reps;
    for (uint32_t v = 0; v < count; ++v)
        if ((classOf(v) & 15) == 0 && classOf(v) >> 4 == reps.size())
            reps.push_back(v);
    return reps;
}

std::string FirstPhase(const Block& b, std::mt19937_64& rng, uint64_t seed, int samples)
{
    const Moves mv = Moves::Of(b);
    const Phase1Table p = Phase1Table::Of(b);
    const auto reps = Representatives([&](uint32_t r) { return p.Class(r); }, uint32_t(Flips) * Slices);
    if (reps.size() != FlipSliceClasses)
        return std::string(Info(P1Classes).name) + ": " + std::to_string(reps.size()) + " classes, expected " + std::to_string(FlipSliceClasses);
    const auto image = [](uint32_t raw, int s) {
        Cubie c = Cubie::Solved();
        SetFlip(c, int(raw / Slices));
        SetSlice(c, int(raw % Slices));
        const Cubie x = Symmetric(c, s);
        return uint32_t(Flip(x)) * Slices + uint32_t(Slice(x));
    };
    for (int i = 0; i < 128; ++i) {
        const uint32_t raw = uint32_t(rng() % (uint64_t(Flips) * Slices));
        for (const std::string& why : {Conjugate(p.twistConj, P1TwistConj, Twists, SetTwist, Twist, rng),
                                       ClassOf(P1Classes, P1Stable, reps, p.stable, raw, image, p.Class(raw), rng)})
            if (!why.empty())
                return why;
    }
    const auto distance = [&](uint64_t i, int* d) {
        const int tw = int(i % Twists), fl = int(reps[i / Twists] / Slices), sl = int(reps[i / Twists] % Slices);
        int cubes[19][3];
        for (int m = 0; m < 18; ++m)
            cubes[m][0] = mv.twist[tw * 18 + m], cubes[m][1] = mv.flip[fl * 18 + m], cubes[m][2] = mv.slice[sl * 18 + m];
        cubes[18][0] = tw, cubes[18][1] = fl, cubes[18][2] = sl;
        p.Distances(19, cubes, mv, d);
    };
    const uint64_t goal = uint64_t(p.Class(SliceHome) >> 4) * Twists;
    return Walks(P1Distance, uint64_t(reps.size()) * Twists, 18, goal, distance, seed, samples);
}

std::string SecondPhase(const Block& b, std::mt19937_64& rng, uint64_t seed, int samples)
{
    const Moves mv = Moves::Of(b);
    const Phase2Table p = Phase2Table::Of(b);
    const auto reps = Representatives([&](uint32_t cp) { return uint32_t(p.classOf[cp]); }, CornerPerms);
    if (reps.size() != CornerClasses)
        return std::string(Info(P2Classes).name) + ": " + std::to_string(reps.size()) + " classes, expected " + std::to_string(CornerClasses);
    const auto edgeReps = Representatives([&](uint32_t ep) { return uint32_t(p.edgeClassOf[ep]); }, EdgePerms8);
    if (edgeReps.size() != EdgeClasses)
        return std::string(Info(P2EdgeClasses).name) + ": " + std::to_string(edgeReps.size()) + " classes, expected "
               + std::to_string(EdgeClasses);
    const auto image = [](void (*set)(Cubie&, int), int (*get)(const Cubie&)) {
        return [set, get](uint32_t v, int s) {
            Cubie c = Cubie::Solved();
            set(c, int(v));
            return uint32_t(get(Symmetric(c, s)));
        };
    };
    for (int i = 0; i < 128; ++i) {
        const uint32_t cp = uint32_t(rng() % CornerPerms), ep = uint32_t(rng() % EdgePerms8);
        for (const std::string& why :
             {Conjugate(p.edgeConj, P2EdgeConj, EdgePerms8, SetEdgePerm8, EdgePerm8, rng),
              Conjugate(p.sliceConj, P2SliceConj, SlicePerms, SetSlicePerm, SlicePerm, rng),
              Conjugate(p.combConj, P2CombConj, Combs, SetCornerComb, CornerComb, rng),
              ClassOf(P2Classes, P2Stable, reps, p.stable, cp, image(SetCornerPerm, CornerPerm), p.classOf[cp], rng),
              ClassOf(P2EdgeClasses, P2EdgeClasses, edgeReps, nullptr, ep, image(SetEdgePerm8, EdgePerm8), p.edgeClassOf[ep], rng)})
            if (!why.empty())
                return why;
    }
    const auto cornerSlice = [&](uint64_t i, int* d) {
        const int cp = int(reps[i / SlicePerms]), sp = int(i % SlicePerms);
        for (int k = 0; k < 10; ++k)
            d[k] = p.CornerSlice(mv.corner2[cp * 10 + k], mv.slice2[sp * 10 + k]);
        d[10] = p.CornerSlice(cp, sp);
    };
    std::string why = Walks(P2CornerSlice, uint64_t(reps.size()) * SlicePerms, 10, 0, cornerSlice, seed, samples / 4);
    if (!why.empty())
        return why;
    const Coordinate& comb = CoordinateOf(CCornerComb2);
    const auto edgeComb = [&](uint64_t i, int* d) {
        const int ep = int(edgeReps[i / Combs]), cc = int(i % Combs);
        for (int k = 0; k < 10; ++k)
            d[k] = p.EdgeComb(mv.edge2[ep * 10 + k], Moved(comb, cc, k));
        d[10] = p.EdgeComb(ep, cc);
    };
    const uint64_t combGoal = uint64_t(p.edgeClassOf[0] >> 4) * Combs + p.combConj[CombHome * Syms + (p.edgeClassOf[0] & 15)];
    why = Walks(P2EdgeComb, uint64_t(edgeReps.size()) * Combs, 10, combGoal, edgeComb, seed + 1, samples / 4);
    if (!why.empty())
        return why;
    const auto distance = [&](uint64_t i, int* d) {
        const int cp = int(reps[i / EdgePerms8]), ep = int(i % EdgePerms8);
        int cubes[11][2];
        for (int k = 0; k < 10; ++k)
            cubes[k][0] = mv.corner2[cp * 10 + k], cubes[k][1] = mv.edge2[ep * 10 + k];
        cubes[10][0] = cp, cubes[10][1] = ep;
        p.Distances(11, cubes, mv, d);
    };
    return Walks(P2Distance, uint64_t(reps.size()) * EdgePerms8, 10, 0, distance, seed + 2, samples);
}

} // namespace

std::string SpotCheck(const Block& b, bool full, uint64_t seed, int samples)
{
    std::mt19937_64 rng(seed);
    // The moves and symmetries are quick to recompute: always as many. The distances are read by
    // walks that each pass some ten entries and look at eighteen or ten neighbours: damage to one
    // entry in a hundred is seen with far fewer.
    std::string why = MoveTables(b, rng, 256);
    if (why.empty() && full)
        why = FirstPhase(b, rng, seed, samples);
    if (why.empty() && full)
        why = SecondPhase(b, rng, seed, samples);
    return why;
}

} // namespace shortsolve::detail
