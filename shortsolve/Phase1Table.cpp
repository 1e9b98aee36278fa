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
    const detail::Moves mv;
    const Phase1Table p;
    std::vector<uint32_t> reps; // each class's representative, flip * Slices + slice

    explicit Space(const Block& b) : mv(Moves::Of(b)), p(Phase1Table::Of(b))
    {
        // The representative is the one entry of its class taken there by no symmetry.
        reps.reserve(FlipSliceClasses);
        for (uint32_t r = 0; r < uint32_t(Flips) * Slices; ++r)
            if ((p.Class(r) & 15) == 0 && p.Class(r) >> 4 == reps.size())
                reps.push_back(r);
    }
    uint32_t Classes() const { return uint32_t(reps.size()); }
    void Row(uint32_t c, uint32_t* to) const
    {
        const uint32_t fl = reps[c] / Slices, sl = reps[c] % Slices;
        for (int m = 0; m < 18; ++m)
            to[m] = p.Class(std::size_t(mv.flip[fl * 18 + m]) * Slices + mv.slice[sl * 18 + m]);
    }
    uint32_t ColMove(uint32_t tw, int m) const { return mv.twist[tw * 18 + m]; }
    uint32_t Conj(uint32_t tw, int s) const { return p.twistConj[tw * Syms + s]; }
    uint16_t Stable(uint32_t c) const { return p.stable[c]; }
};

void SetClass(uint8_t* classOf, uint32_t raw, uint32_t v)
{
    classOf[3 * raw] = uint8_t(v), classOf[3 * raw + 1] = uint8_t(v >> 8), classOf[3 * raw + 2] = uint8_t(v >> 16);
}

} // namespace

bool Phase1Classes(Block& b, const std::atomic<bool>& abort)
{
    const auto& undo = UndoSym();
    auto* twistConj = b.At<uint16_t>(P1TwistConj);
    for (int v = 0; v < Twists; ++v) {
        Cubie c = Cubie::Solved();
        SetTwist(c, v);
        for (int s = 0; s < Syms; ++s)
            twistConj[std::size_t(v) * Syms + s] = uint16_t(Twist(Symmetric(c, s)));
    }
    constexpr uint32_t None = 0xFFFFFF;
    auto* classOf = b.At<uint8_t>(P1Classes);
    auto* stable = b.At<uint16_t>(P1Stable);
    const uint32_t raws = uint32_t(Flips) * Slices;
    std::memset(classOf, 0xFF, std::size_t(raws) * 3);
    const Phase1Table p = Phase1Table::Of(b);
    uint32_t classes = 0;
    for (uint32_t r = 0; r < raws; ++r) {
        if (p.Class(r) != None)
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
            if (p.Class(r2) == None)
                SetClass(classOf, r2, classes << 4 | uint32_t(undo[s]));
        }
        stable[classes++] = mask;
    }
    if (classes != FlipSliceClasses)
        return false;
    const Space s(b);
    SymBfs<Space>(s, b.At<uint64_t>(P1Distance)).Start(p.Class(SliceHome) >> 4);
    return true;
}

bool Phase1Pass(Block& b, int depth, std::atomic<uint64_t>& filled, const std::atomic<bool>& abort, int threads, bool& full)
{
    const Space s(b);
    return SymBfs<Space>(s, b.At<uint64_t>(P1Distance)).Step(depth, filled, abort, threads, full);
}

} // namespace shortsolve::detail
