// The first phase's full table: flip and middle-edge places together, reduced by the 16 symmetries
// that keep the U-D axis, times the twist; two bits an entry (the distance mod 3, enough since a move
// changes it by one at most). Built breadth first on several threads, backwards once most is filled.
#include "SymBfs.h"
#include "Tables.h"

namespace shortsolve::detail {

namespace {

// The table as the breadth-first search walks it.
struct Space {
    static constexpr int Cols = Twists, Moves = 18;
    const Tables t;
    const Phase1Table p;
    std::vector<uint32_t> reps; // each class's representative, flip * Slices + slice

    explicit Space(const Block& b) : t(Tables::Of(b)), p(Phase1Table::Of(b))
    {
        // The representative is the one entry of its class taken there by no symmetry.
        reps.reserve(FlipSliceClasses);
        for (uint32_t r = 0; r < uint32_t(Flips) * Slices; ++r)
            if ((p.classOf[r] & 15) == 0 && p.classOf[r] >> 4 == reps.size())
                reps.push_back(r);
    }
    uint32_t Classes() const { return uint32_t(reps.size()); }
    void Row(uint32_t c, uint32_t* to) const
    {
        const uint32_t fl = reps[c] / Slices, sl = reps[c] % Slices;
        for (int m = 0; m < 18; ++m)
            to[m] = p.classOf[std::size_t(t.flipMove[fl * 18 + m]) * Slices + t.sliceMove[sl * 18 + m]];
    }
    uint32_t ColMove(uint32_t tw, int m) const { return t.twistMove[tw * 18 + m]; }
    uint32_t Conj(uint32_t tw, int s) const { return p.twistConj[tw * Syms + s]; }
    uint16_t Stable(uint32_t c) const { return p.stable[c]; }
};

} // namespace

bool Phase1Builder::Classes(const std::atomic<bool>& abort)
{
    const auto& undo = UndoSym();
    auto* twistConj = m_B.At<uint16_t>(P1TwistConj);
    for (int v = 0; v < Twists; ++v) {
        Cubie c = Cubie::Solved();
        SetTwist(c, v);
        for (int s = 0; s < Syms; ++s)
            twistConj[std::size_t(v) * Syms + s] = uint16_t(Twist(Symmetric(c, s)));
    }
    constexpr uint32_t None = ~0u;
    auto* classOf = m_B.At<uint32_t>(P1Classes);
    auto* stable = m_B.At<uint16_t>(P1Stable);
    const uint32_t raws = uint32_t(Flips) * Slices;
    std::fill(classOf, classOf + raws, None);
    uint32_t classes = 0;
    for (uint32_t r = 0; r < raws; ++r) {
        if (classOf[r] != None)
            continue;
        if ((r & 1023) == 0 && abort)
            return false;
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
                classOf[r2] = classes << 4 | uint32_t(undo[s]);
        }
        stable[classes++] = mask;
    }
    return classes == FlipSliceClasses;
}

bool Phase1Builder::Run(const std::atomic<bool>& abort, int threads)
{
    if (m_Pass == 0) {
        if (!Classes(abort))
            return false;
        const Space s(m_B);
        SymBfs<Space>(s, m_B.At<uint64_t>(P1Distance)).Start(s.p.classOf[SliceHome] >> 4);
        m_Pass = 1;
    }
    const Space s(m_B);
    SymBfs<Space> bfs(s, m_B.At<uint64_t>(P1Distance));
    if (m_Filled == 0)
        m_Filled = bfs.Count();
    while (m_Filled < bfs.Total()) {
        uint64_t added = 0;
        if (!bfs.Pass(m_Pass - 1, m_Filled, abort, threads, added))
            return false;
        if (added == 0)
            break;
        m_Filled += added;
        ++m_Pass;
    }
    return true;
}

double Phase1Builder::Done() const
{
    // The classes take little; each pass about as long as the next, and some twelve of them.
    return m_Pass == 0 ? 0.0 : std::min(1.0, 0.05 + 0.95 * (m_Pass - 1) / 12.0);
}

} // namespace shortsolve::detail
