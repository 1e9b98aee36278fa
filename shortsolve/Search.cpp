// The search. Phase one walks every sequence that ends in the group of U, D, R2, L2, F2, B2 with a
// move outside it (so that no solution is missed: any solution splits after its last such move);
// phase two finishes each one with the fewest moves of the group. Short answers are searched
// exhaustively by total length first; then six searches (the cube seen along its three axes, and
// its inverse) share the two cores and a bound that each solution found lowers.
#include "Cubie.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace shortsolve {

using namespace detail;

namespace {

using Clock = std::chrono::steady_clock;

constexpr bool InGroup(Move m) { return FaceOf(m) == 0 || FaceOf(m) == 3 || PowerOf(m) == 2; }
constexpr Move InverseMove(Move m) { return Move(3 * FaceOf(m) + 2 - m % 3); }
// Same face twice, or the opposite faces in the other order, only repeat shorter sequences.
constexpr bool Follows(int last, int face) { return last < 0 || (face != last && face != last - 3); }

Cubie Power(const Cubie& c, int k)
{
    Cubie r = Cubie::Solved();
    for (int i = 0; i < k; ++i)
        r = r.Then(c);
    return r;
}

// What a move of the cube seen along axis k is on the cube as given.
const std::array<std::array<Move, 18>, 3>& AxisMoves()
{
    static const auto table = [] {
        std::array<std::array<Move, 18>, 3> t{};
        for (int k = 0; k < 3; ++k) {
            const Cubie s = Power(TurnURF(), k), si = s.Inverse();
            for (int m = 0; m < 18; ++m) {
                const Cubie c = s.Then(MoveCubes()[m]).Then(si);
                for (int o = 0; o < 18; ++o)
                    if (MoveCubes()[o] == c)
                        t[k][m] = Move(o);
            }
        }
        return t;
    }();
    return table;
}

struct Shared {
    const Options& options;
    std::atomic<int> best;
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::vector<Move> solution;
    bool timed;
    Clock::time_point deadline;

    explicit Shared(const Options& o)
        : options(o), best(std::clamp(o.maxMoves, 0, 30) + 1), timed(o.timeLimitMs > 0 || o.maxMoves < 20),
          deadline(Clock::now() + std::chrono::milliseconds(std::max(o.timeLimitMs, 0)))
    {
        // Stop at the first solution when no time is given, but never give up early on a bound
        // below 20 without a time: that search ends by itself once it has tried every length.
        if (o.timeLimitMs <= 0 && o.maxMoves < 20)
            timed = false;
    }
    bool Found() const { return best.load(std::memory_order_relaxed) <= options.maxMoves; }
    // Polled now and then by every search.
    bool Check()
    {
        if (stop.load(std::memory_order_relaxed))
            return true;
        if ((options.cancel && options.cancel->load(std::memory_order_relaxed))
            || (timed && Clock::now() > deadline && (Found() || options.maxMoves < 20)))
            stop = true;
        return stop;
    }
};

class Searcher {
public:
    Searcher(const Tables& t, Shared& shared, const Cubie& cube, int axis, bool inverse)
        : m_T(t), m_Full1(FullTable()), m_S(shared), m_Axis(axis), m_Inverse(inverse)
    {
        const Cubie s = Power(TurnURF(), axis);
        Cubie c = s.Inverse().Then(cube).Then(s);
        m_Cube = inverse ? c.Inverse() : c;
        m_Twist = Twist(m_Cube);
        m_Flip = Flip(m_Cube);
        m_Slice = Slice(m_Cube);
        m_Distance1 = m_Full1 ? m_Full1->Distance(m_Twist, m_Flip, m_Slice, t) : H1(m_Twist, m_Flip, m_Slice);
    }

    int Distance1() const { return m_Distance1; }
    const Cubie& Seen() const { return m_Cube; }

    // Every phase-one sequence of exactly `d1` moves; solutions of at most `bound` moves in all.
    // `full`: every sequence, for an exhaustive search; else one that has reached the group goes on
    // only by leaving it at once, and only where there is room to come back (five moves at least).
    void Run(int d1, int bound, bool full)
    {
        m_Bound = bound;
        m_Full = full;
        m_Cubes[0] = m_Cube;
        m_Valid = 0;
        if (Distance1() <= d1)
            Phase1(m_Twist, m_Flip, m_Slice, m_Distance1, 0, d1);
    }

private:
    int H1(int tw, int fl, int sl) const
    {
        return std::max({m_T.twistSlice[tw * Slices + sl], m_T.flipSlice[fl * Slices + sl], m_T.twistFlip[tw * Flips + fl]});
    }
    int H2(int cp, int ep, int sp, int cc, int ec) const
    {
        return std::max({m_T.cornerSlice2[cp * SlicePerms + sp], m_T.edgeSlice2[ep * SlicePerms + sp],
                         m_T.cornerComb2[cp * Combs + ec], m_T.edgeComb2[ep * Combs + cc]});
    }

    bool Poll() { return (++m_Nodes & 1023) == 0 ? m_S.Check() : m_S.stop.load(std::memory_order_relaxed); }

    // `dist`: the exact distance to the group with the full table, else unused.
    void Phase1(int tw, int fl, int sl, int dist, int n, int togo)
    {
        if (togo == 0) {
            if (tw == 0 && fl == 0 && sl == SliceHome && (n == 0 || !InGroup(m_Path[n - 1])))
                Phase2Start(n);
            return;
        }
        const bool inGroup = !m_Full && tw == 0 && fl == 0 && sl == SliceHome;
        if (inGroup && togo < 5)
            return;
        const int last = n ? FaceOf(m_Path[n - 1]) : -1;
        // With the full table, every child's entry is asked for first, so that the memory fetches overlap.
        int idx[18];
        if (m_Full1 && togo > 1)
            for (int m = 0; m < 18; ++m) {
                idx[m] = m_Full1->Index(m_T.twistMove[tw * 18 + m], m_T.flipMove[fl * 18 + m], m_T.sliceMove[sl * 18 + m]);
                __builtin_prefetch(&m_Full1->dist[std::size_t(idx[m]) >> 5]);
            }
        for (int m = 0; m < 18; ++m) {
            if (!Follows(last, m / 3) || (inGroup && InGroup(Move(m))))
                continue;
            const int t2 = m_T.twistMove[tw * 18 + m], f2 = m_T.flipMove[fl * 18 + m], s2 = m_T.sliceMove[sl * 18 + m];
            int d2 = 0;
            if (m_Full1 && togo == 1) {
                // The last move must reach the group itself.
                if (t2 != 0 || f2 != 0 || s2 != SliceHome)
                    continue;
            } else if (m_Full1) {
                // One of dist - 1, dist, dist + 1: the one the table gives mod 3.
                d2 = dist - 1 + (m_Full1->Mod3At(idx[m]) - dist % 3 + 4) % 3;
                if (d2 > togo - 1)
                    continue;
            } else if (H1(t2, f2, s2) > togo - 1) {
                continue;
            }
            m_Path[n] = Move(m);
            m_Valid = std::min(m_Valid, n);
            Phase1(t2, f2, s2, d2, n + 1, togo - 1);
            if (Poll())
                return;
        }
    }

    void Phase2Start(int n)
    {
        const int limit = std::min(m_S.best.load(std::memory_order_relaxed) - 1, m_Bound) - n;
        if (limit < 0)
            return;
        // The cubes along the path are kept from one sequence to the next that shares its start.
        for (; m_Valid < n; ++m_Valid)
            m_Cubes[m_Valid + 1] = m_Cubes[m_Valid].Then(MoveCubes()[m_Path[m_Valid]]);
        const Cubie& c = m_Cubes[n];
        const int cp = CornerPerm(c), ep = EdgePerm8(c), sp = SlicePerm(c), cc = CornerComb(c), ec = EdgeComb(c);
        for (int d2 = H2(cp, ep, sp, cc, ec); d2 <= limit; ++d2)
            if (Phase2(cp, ep, sp, cc, ec, n, d2)) {
                Record(m_Length);
                return;
            }
    }

    bool Phase2(int cp, int ep, int sp, int cc, int ec, int n, int togo)
    {
        if (cp == 0 && ep == 0 && sp == 0) {
            m_Length = n;
            return true;
        }
        if (togo == 0)
            return false;
        const int last = n ? FaceOf(m_Path[n - 1]) : -1;
        for (int k = 0; k < 10; ++k) {
            const Move m = Phase2Moves[k];
            if (!Follows(last, FaceOf(m)))
                continue;
            const int c2 = m_T.cornerMove2[cp * 10 + k], e2 = m_T.edgeMove2[ep * 10 + k], s2 = m_T.sliceMove2[sp * 10 + k];
            const int cc2 = m_T.cornerCombMove2[cc * 10 + k], ec2 = m_T.edgeCombMove2[ec * 10 + k];
            if (H2(c2, e2, s2, cc2, ec2) > togo - 1)
                continue;
            m_Path[n] = m;
            if (Phase2(c2, e2, s2, cc2, ec2, n + 1, togo - 1))
                return true;
            if (Poll())
                return false;
        }
        return false;
    }

    void Record(int length)
    {
        std::vector<Move> moves(m_Path.begin(), m_Path.begin() + length);
        if (m_Inverse) {
            std::reverse(moves.begin(), moves.end());
            for (Move& m : moves)
                m = InverseMove(m);
        }
        for (Move& m : moves)
            m = AxisMoves()[m_Axis][m];
        std::lock_guard lock(m_S.mutex);
        if (length >= m_S.best)
            return;
        m_S.best = length;
        m_S.solution = std::move(moves);
        if (m_S.options.timeLimitMs <= 0)
            m_S.stop = true;
    }

    const Tables& m_T;
    const Phase1Table* m_Full1;
    Shared& m_S;
    int m_Axis;
    bool m_Inverse;
    bool m_Full = true;
    Cubie m_Cube;
    int m_Twist = 0, m_Flip = 0, m_Slice = 0, m_Distance1 = 0, m_Bound = 0, m_Length = 0;
    uint64_t m_Nodes = 0;
    std::array<Move, 40> m_Path{};
    std::array<Cubie, 41> m_Cubes{};
    int m_Valid = 0;
};

// Lengths up to this are tried exhaustively, shortest first, before the six searches start: cheap,
// since the first phase alone takes most cubes further than this.
constexpr int ShortLengths = 8;

} // namespace

std::string Name(Move m)
{
    static const char faces[] = "URFDLB";
    std::string s(1, faces[FaceOf(m)]);
    if (PowerOf(m) == 2)
        s += '2';
    else if (PowerOf(m) == 3)
        s += '\'';
    return s;
}

std::string Write(const std::vector<Move>& moves)
{
    std::string s;
    for (Move m : moves) {
        if (!s.empty())
            s += ' ';
        s += Name(m);
    }
    return s;
}

notation::Pieces SolvedPieces() { return ToPieces(Cubie::Solved()); }

notation::Pieces Apply(const notation::Pieces& pieces, const std::vector<Move>& moves)
{
    Cubie c = FromPieces(pieces);
    for (Move m : moves)
        c = c.Then(MoveCubes()[m % 18]);
    return ToPieces(c);
}

bool IsSolved(const notation::Pieces& pieces) { return FromPieces(pieces) == Cubie::Solved(); }

Result Solve(const notation::Pieces& pieces, const Options& options)
{
    Result r;
    if (IsSolved(pieces)) {
        r.status = Result::Solved;
        r.optimal = true;
        return r;
    }
    const Tables& t = Ready();
    const Cubie cube = FromPieces(pieces);
    Shared shared(options);
    const int maxMoves = shared.best - 1;

    bool proven = false;
    {
        Searcher s(t, shared, cube, 0, false);
        for (int length = 1; length <= std::min(ShortLengths, maxMoves) && !shared.Found() && !shared.Check(); ++length)
            for (int d1 = s.Distance1(); d1 <= length && !shared.Found() && !shared.stop; ++d1)
                s.Run(d1, length, true);
        proven = shared.Found();
    }

    if (!proven && !shared.stop) {
        // A cube that looks the same along two axes, or like its inverse, needs the search only once.
        std::vector<Searcher> searchers;
        for (int k = 0; k < 6; ++k) {
            Searcher s(t, shared, cube, k % 3, k >= 3);
            if (std::none_of(searchers.begin(), searchers.end(), [&](const Searcher& o) { return o.Seen() == s.Seen(); }))
                searchers.push_back(s);
        }
        const int count = int(searchers.size());
        const auto work = [&](int first, int step) {
            for (int d1 = 0; d1 < shared.best && !shared.stop; ++d1)
                for (int k = first; k < count && !shared.stop; k += step)
                    searchers[k].Run(d1, maxMoves, false);
            // Every length was tried (though not every sequence): nothing shorter is to be found here.
            shared.stop = true;
        };
        const int threads = std::clamp(options.threads, 1, count);
        std::vector<std::thread> pool;
        for (int i = 1; i < threads; ++i)
            pool.emplace_back(work, i, threads);
        work(0, threads);
        for (auto& th : pool)
            th.join();
    }

    const bool cancelled = options.cancel && options.cancel->load();
    if (shared.Found() && IsSolved(Apply(pieces, shared.solution))) {
        r.status = Result::Solved;
        r.moves = shared.solution;
        r.optimal = proven;
    } else {
        r.status = cancelled ? Result::Cancelled : Result::NotFound;
    }
    return r;
}

} // namespace shortsolve
