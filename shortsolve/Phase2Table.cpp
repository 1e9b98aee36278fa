// The second phase's full table: the corners' order, reduced by the 16 symmetries that keep the U-D
// axis, times the top and bottom edges' order; two bits an entry, built breadth first like the
// first phase's. Beside it, the exact table of corners and middle edges by the same classes. Then
// the build of both full tables, pass by pass.
#include "SymBfs.h"
#include "Tables.h"

#include <algorithm>

namespace shortsolve::detail {

namespace {

struct Space {
    static constexpr int Cols = EdgePerms8, Moves = 10;
    const detail::Moves mv;
    const Phase2Table p;
    std::vector<uint32_t> reps; // each class's representative corner order

    explicit Space(const Block& b) : mv(Moves::Of(b)), p(Phase2Table::Of(b))
    {
        reps.reserve(CornerClasses);
        for (uint32_t cp = 0; cp < uint32_t(CornerPerms); ++cp)
            if ((p.classOf[cp] & 15) == 0 && p.classOf[cp] >> 4 == reps.size())
                reps.push_back(cp);
    }
    uint32_t Classes() const { return uint32_t(reps.size()); }
    void Row(uint32_t c, uint32_t* to) const
    {
        for (int k = 0; k < 10; ++k)
            to[k] = p.classOf[mv.corner2[reps[c] * 10 + k]];
    }
    uint32_t ColMove(uint32_t ep, int k) const { return mv.edge2[ep * 10 + k]; }
    uint32_t Conj(uint32_t ep, int s) const { return p.edgeConj[ep * Syms + s]; }
    uint16_t Stable(uint32_t c) const { return p.stable[c]; }
};

// A coordinate seen through each symmetry: [v * Syms + s].
template <typename T>
void Conjugates(T* out, int count, void (*set)(Cubie&, int), int (*get)(const Cubie&))
{
    for (int v = 0; v < count; ++v) {
        Cubie c = Cubie::Solved();
        set(c, v);
        for (int s = 0; s < Syms; ++s)
            out[std::size_t(v) * Syms + s] = T(get(Symmetric(c, s)));
    }
}

// The classes of an order of 8 under the symmetries, each taken to the smallest of its images: their
// representatives, and each one's own symmetries in `stable` when given.
std::vector<uint32_t> Classes(uint16_t* classOf, uint16_t* stable, void (*set)(Cubie&, int), int (*get)(const Cubie&))
{
    const auto& undo = UndoSym();
    std::fill(classOf, classOf + CornerPerms, uint16_t(0xFFFF));
    std::vector<uint32_t> reps;
    for (int v = 0; v < CornerPerms; ++v) {
        if (classOf[v] != 0xFFFF)
            continue;
        Cubie cube = Cubie::Solved();
        set(cube, v);
        uint16_t mask = 0;
        for (int s = 0; s < Syms; ++s) {
            const int v2 = get(Symmetric(cube, s));
            if (v2 == v)
                mask |= uint16_t(1u << s);
            if (classOf[v2] == 0xFFFF)
                classOf[v2] = uint16_t(reps.size() << 4 | uint32_t(undo[s]));
        }
        if (stable)
            stable[reps.size()] = mask;
        reps.push_back(uint32_t(v));
    }
    return reps;
}

// A table of pairs, exact, small enough to fill whole, then kept by class of its first coordinate.
void ByClass(uint8_t* out, const std::vector<uint32_t>& reps, const std::vector<uint8_t>& raw, int width)
{
    for (std::size_t c = 0; c < reps.size(); ++c)
        std::copy_n(&raw[std::size_t(reps[c]) * width], width, out + c * width);
}

} // namespace

bool Phase2Classes(Block& b, const std::atomic<bool>& abort)
{
    Conjugates(b.At<uint16_t>(P2EdgeConj), EdgePerms8, SetEdgePerm8, EdgePerm8);
    Conjugates(b.At<uint8_t>(P2SliceConj), SlicePerms, SetSlicePerm, SlicePerm);
    Conjugates(b.At<uint8_t>(P2CombConj), Combs, SetCornerComb, CornerComb);
    const auto corners = Classes(b.At<uint16_t>(P2Classes), b.At<uint16_t>(P2Stable), SetCornerPerm, CornerPerm);
    const auto edges = Classes(b.At<uint16_t>(P2EdgeClasses), nullptr, SetEdgePerm8, EdgePerm8);
    if (corners.size() != CornerClasses || edges.size() != EdgeClasses || abort)
        return false;
    ByClass(b.At<uint8_t>(P2CornerSlice), corners, PairDistances(b, CCorner2, CSlice2, 0), SlicePerms);
    ByClass(b.At<uint8_t>(P2EdgeComb), edges, PairDistances(b, CEdge2, CCornerComb2, CombHome), Combs);
    const Space s(b);
    SymBfs<Space>(s, b.At<uint64_t>(P2Distance)).Start(b.At<uint16_t>(P2Classes)[0] >> 4);
    return true;
}

bool Phase2Pass(Block& b, int depth, std::atomic<uint64_t>& filled, const std::atomic<bool>& abort, int threads, bool& full)
{
    const Space s(b);
    return SymBfs<Space>(s, b.At<uint64_t>(P2Distance)).Step(depth, filled, abort, threads, full);
}

FullBuilder::FullBuilder(Block& b, int pass, std::atomic<int>& known) : m_B(b), m_Pass(pass), m_Known(known)
{
    // Pass k of the first phase fills distance k: those before it are whole.
    const int k = pass & 255;
    m_Known = k == 255 ? 99 : k - 1;
}

bool FullBuilder::Run(const std::atomic<bool>& abort, int threads, int until)
{
    if (m_Known >= until)
        return false;
    // Each phase: 0, its classes still to be made; k, its pass from distance k - 1; 255, done.
    for (int phase = 0; phase < 2; ++phase) {
        const int shift = 8 * phase;
        const auto classes = phase == 0 ? Phase1Classes : Phase2Classes;
        const auto pass = phase == 0 ? Phase1Pass : Phase2Pass;
        int k = m_Pass >> shift & 255;
        if (k == 0) {
            if (!classes(m_B, abort))
                return false;
            k = 1;
            m_Filled = 0;
            if (phase == 0)
                m_Known = 0;
        }
        while (k != 255) {
            bool full = false;
            m_Pass = (m_Pass & ~(255 << shift)) | k << shift;
            if (phase == 0 && m_Known >= until)
                return false;
            if (!pass(m_B, k - 1, m_Filled, abort, threads, full))
                return false;
            k = full ? 255 : k + 1;
            if (phase == 0)
                m_Known = full ? 99 : k - 1;
        }
        m_Pass = (m_Pass & ~(255 << shift)) | 255 << shift;
        m_Filled = 0;
    }
    return true;
}

double FullBuilder::Done() const
{
    // The share of the build's work done before each pass (measured: the passes that fill most
    // entries take most of the time), the first phase's twelve, then the second's eighteen.
    static constexpr double first[13] = {0, 0, 0, .01, .01, .01, .01, .02, .02, .06, .2, .53, .54};
    static constexpr double second[19] = {.54, .54, .54, .54, .54, .54, .54, .55, .55, .55, .55, .57, .59, .65, .77, .93, .99, 1, 1};
    const int p1 = m_Pass & 255, p2 = m_Pass >> 8 & 255;
    return p1 != 255 ? first[std::min(p1, 12)] : p2 == 255 ? 1.0 : second[std::min(p2, 18)];
}

} // namespace shortsolve::detail
