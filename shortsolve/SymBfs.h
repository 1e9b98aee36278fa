// Breadth first over a table of symmetry classes x a coordinate, two bits an entry: the distance mod
// 3, or 3 while unknown. A pass per distance; a pass can stop between two rows and be run again
// from its start, since what it has set is right and what it has not is still unknown.
//
// The space says how the table moves: Classes(), Cols (entries a row), Moves, Row(c, to) (to[m]:
// the class a move takes class c's representative to, << 4 | the symmetry taking it there),
// ColMove(col, m), Conj(col, s), Stable(c) (the symmetries that keep c's representative).
#pragma once

#include <atomic>
#include <bit>
#include <cstdint>
#include <thread>
#include <vector>

namespace shortsolve::detail {

template <class Space>
class SymBfs {
public:
    SymBfs(const Space& space, uint64_t* dist) : m_S(space), m_D(dist) {}

    uint64_t Total() const { return uint64_t(m_S.Classes()) * Space::Cols; }

    // Every entry unknown but the goal's: the first pass's start.
    void Start(uint32_t goalClass)
    {
        const uint64_t words = (Total() + 31) / 32;
        for (uint64_t w = 0; w < words; ++w)
            m_D[w] = ~uint64_t(0);
        Set(goalClass, 0, 0);
    }

    // The entries known (those past the end are unknown).
    uint64_t Count() const
    {
        const uint64_t words = (Total() + 31) / 32;
        uint64_t unknown = 0;
        for (uint64_t w = 0; w < words; ++w)
            unknown += uint64_t(std::popcount(m_D[w] & m_D[w] >> 1 & Low));
        return words * 32 - unknown;
    }

    // One pass, with `filled` counted first when 0 and kept up; false when stopped first. `full`:
    // every entry is known, or none was made known (nothing more to do).
    bool Step(int depth, std::atomic<uint64_t>& filled, const std::atomic<bool>& abort, int threads, bool& full)
    {
        if (filled == 0)
            filled = Count();
        uint64_t added = 0;
        if (filled < Total() && !Pass(depth, filled, abort, threads, added))
            return false;
        filled += added;
        full = filled >= Total() || added == 0;
        return true;
    }

    // The pass from distance `depth` to the next; false when stopped first. `filled` counts the
    // entries known; `added` is how many this pass made known.
    bool Pass(int depth, uint64_t filled, const std::atomic<bool>& abort, int threads, uint64_t& added)
    {
        std::atomic<uint64_t> sum{0};
        const bool backwards = filled > Total() / 2;
        const auto work = [&](uint32_t first, uint32_t step) {
            uint64_t mine = 0;
            for (uint32_t c = first; c < m_S.Classes() && !abort.load(std::memory_order_relaxed); c += step)
                mine += Row(c, depth % 3, backwards);
            sum.fetch_add(mine, std::memory_order_relaxed);
        };
        std::vector<std::thread> pool;
        for (int t = 1; t < threads; ++t)
            pool.emplace_back(work, uint32_t(t), uint32_t(threads));
        work(0, uint32_t(threads));
        for (auto& th : pool)
            th.join();
        added = sum;
        return !abort.load();
    }

private:
    static constexpr uint64_t Low = 0x5555555555555555ULL;

    int Get(uint64_t i) const
    {
        return int(std::atomic_ref<uint64_t>(m_D[i >> 5]).load(std::memory_order_relaxed) >> ((i & 31) * 2) & 3);
    }

    // Sets an unknown entry and those its class's own symmetries make of it; how many were unknown.
    int Set(uint32_t c, uint32_t col, int v)
    {
        int added = 0;
        const uint16_t mask = m_S.Stable(c);
        for (int s = 0; s < 16; ++s) {
            if (s > 0 && !(mask >> s & 1))
                continue;
            const uint64_t i = uint64_t(c) * Space::Cols + (s ? m_S.Conj(col, s) : col);
            const uint64_t bits = uint64_t(3 ^ v) << ((i & 31) * 2);
            const uint64_t old = std::atomic_ref<uint64_t>(m_D[i >> 5]).fetch_and(~bits, std::memory_order_relaxed);
            added += (old >> ((i & 31) * 2) & 3) == 3;
        }
        return added;
    }

    // One row of the pass: forwards from each entry at `now`, or backwards from each unknown one.
    uint64_t Row(uint32_t c, int now, bool backwards)
    {
        // Where the moves take the row: made when the row has an entry to look from (few have in
        // the first passes).
        uint32_t to[Space::Moves];
        bool made = false;
        const int next = (now + 1) % 3;
        const uint64_t pattern = Low * uint64_t(now), base = uint64_t(c) * Space::Cols, end = base + Space::Cols;
        uint64_t added = 0;
        for (uint64_t w = base >> 5; w <= (end - 1) >> 5; ++w) {
            const uint64_t word = std::atomic_ref<uint64_t>(m_D[w]).load(std::memory_order_relaxed);
            const uint64_t x = word ^ (backwards ? ~uint64_t(0) : pattern);
            uint64_t match = ~(x | x >> 1) & Low;
            // Only this row's entries of the word.
            if (w << 5 < base)
                match &= ~uint64_t(0) << ((base & 31) * 2);
            if ((w + 1) << 5 > end)
                match &= ~(~uint64_t(0) << ((end & 31) * 2));
            if (match && !made) {
                m_S.Row(c, to);
                made = true;
            }
            for (; match; match &= match - 1) {
                const uint64_t i = (w << 5) + uint64_t(std::countr_zero(match) / 2);
                const uint32_t col = uint32_t(i - base);
                if (backwards && Get(i) != 3)
                    continue; // made known meanwhile, by a symmetry of this row
                for (int m = 0; m < Space::Moves; ++m) {
                    const uint32_t c2 = to[m] >> 4, col2 = m_S.Conj(m_S.ColMove(col, m), int(to[m] & 15));
                    const int v2 = Get(uint64_t(c2) * Space::Cols + col2);
                    if (backwards) {
                        if (v2 == now) {
                            added += Set(c, col, next);
                            break;
                        }
                    } else if (v2 == 3) {
                        added += Set(c2, col2, next);
                    }
                }
            }
        }
        return added;
    }

    const Space& m_S;
    uint64_t* m_D;
};

} // namespace shortsolve::detail
