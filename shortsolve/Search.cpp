// The search. Phase one walks every sequence that ends in the group of U, D, R2, L2, F2, B2 with a
// move outside it (so that no solution is missed: any solution splits after its last such move);
// phase two finishes each one with the fewest moves of the group. Short answers are searched
// exhaustively by total length first; then six searches (the cube seen along its three axes, and
// its inverse) share the two cores and a bound that each solution found lowers.
#include "Prepared.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include <time.h>

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

// A search on tables from a file that has found nothing after this much work, where a solution of
// 20 moves always exists and takes far less, has tables that lie: each thread's own processor time
// (a busy machine is not mistaken for them), or, on a machine too busy to give it that, this long.
constexpr double SuspectSeconds = 5;
constexpr auto SuspectWait = std::chrono::seconds(15);

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}
// When this thread started on the search.
thread_local double searchStart = 0;

struct Shared {
    const Options& options;
    std::atomic<int> best;
    std::atomic<bool> stop{false};
    std::atomic<bool> exhausted{false}; // every length was tried
    std::atomic<bool> suspect{false};   // too long for tables that tell the truth
    std::atomic<int> phase1{0};         // the longest first-phase length being tried
    std::atomic<uint64_t> nodes{0};     // by thousands
    const bool mayLie;
    std::mutex mutex;
    std::vector<Move> solution;
    Clock::time_point start, since, deadline, nextReport;
    std::atomic<bool> reporting{false};

    // `from`: when the caller asked; `since`: when these tables' search started.
    Shared(const Options& o, Clock::time_point from, Clock::time_point since, bool lie)
        : options(o), best(std::clamp(o.maxMoves, 0, 30) + 1), mayLie(lie), start(from), since(since),
          deadline(from + std::chrono::milliseconds(std::max(o.timeLimitMs, 0))),
          nextReport(since + std::chrono::milliseconds(std::max(o.progressMs, 1)))
    {
    }
    bool Found() const { return best.load(std::memory_order_relaxed) <= options.maxMoves; }
    // A solution of this many moves is sure to exist: failing to find one means the tables lie.
    bool Sure() const { return options.maxMoves >= 20; }
    // Polled every 1024 nodes by every search.
    bool Check()
    {
        if (stop.load(std::memory_order_relaxed))
            return true;
        nodes.fetch_add(1, std::memory_order_relaxed);
        const Clock::time_point now = Clock::now();
        const bool limited = options.timeLimitMs > 0 && !(options.untilFirst && !Found());
        if ((options.cancel && options.cancel->load(std::memory_order_relaxed)) || (limited && now > deadline))
            stop = true;
        if (mayLie && !limited && !Found() && Sure() && (ThreadSeconds() - searchStart > SuspectSeconds || now - since > SuspectWait)) {
            suspect = true;
            stop = true;
        }
        if (options.progress && now >= nextReport && !reporting.exchange(true)) {
            nextReport = now + std::chrono::milliseconds(std::max(options.progressMs, 1));
            options.progress({std::min(best.load() - 1, options.maxMoves), phase1.load(), std::chrono::duration<double>(now - start).count()});
            reporting = false;
        }
        return stop;
    }
};

class Searcher {
public:
    Searcher(const TableSet& set, Shared& shared, const Cubie& cube, int axis, bool inverse)
        : m_T(set.t), m_Full1(set.full.load(std::memory_order_acquire) ? &set.p1 : nullptr), m_S(shared), m_Axis(axis),
          m_Inverse(inverse)
    {
        const Cubie s = Power(TurnURF(), axis);
        Cubie c = s.Inverse().Then(cube).Then(s);
        m_Cube = inverse ? c.Inverse() : c;
        m_Twist = Twist(m_Cube);
        m_Flip = Flip(m_Cube);
        m_Slice = Slice(m_Cube);
        m_Distance1 = m_Full1 ? m_Full1->Distance(m_Twist, m_Flip, m_Slice, m_T) : H1(m_Twist, m_Flip, m_Slice);
    }

    // -1 when the full table has no way down from this cube: it lies.
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
        if (Distance1() >= 0 && Distance1() <= d1)
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
        if (m_S.options.timeLimitMs <= 0 || (m_S.options.untilFirst && Clock::now() > m_S.deadline))
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

namespace {

// The search on one set of tables; `lies` says why they lie, when the search shows it.
Result SearchWith(const TableSet& set, const Cubie& cube, const Options& options, Clock::time_point start, std::string& lies)
{
    Shared shared(options, start, Clock::now(), set.fromFile);
    searchStart = ThreadSeconds();
    const int maxMoves = shared.best - 1;

    bool proven = false;
    {
        Searcher s(set, shared, cube, 0, false);
        if (s.Distance1() < 0) {
            lies = "the first phase's table has no way down from a cube";
            return {};
        }
        for (int length = 1; length <= std::min(ShortLengths, maxMoves) && !shared.Found() && !shared.Check(); ++length) {
            for (int d1 = s.Distance1(); d1 <= length && !shared.Found() && !shared.stop; ++d1) {
                shared.phase1 = d1;
                s.Run(d1, length, true);
            }
        }
        proven = shared.Found();
    }

    if (!proven && !shared.stop) {
        // A cube that looks the same along two axes, or like its inverse, needs the search only once.
        std::vector<Searcher> searchers;
        for (int k = 0; k < 6; ++k) {
            Searcher s(set, shared, cube, k % 3, k >= 3);
            if (std::none_of(searchers.begin(), searchers.end(), [&](const Searcher& o) { return o.Seen() == s.Seen(); }))
                searchers.push_back(s);
        }
        const int count = int(searchers.size());
        std::atomic<int> left{0};
        const auto work = [&](int first, int step) {
            searchStart = ThreadSeconds();
            for (int d1 = 0; d1 < shared.best && !shared.stop; ++d1) {
                if (d1 > shared.phase1)
                    shared.phase1 = d1;
                for (int k = first; k < count && !shared.stop; k += step)
                    searchers[k].Run(d1, maxMoves, false);
            }
            // Every length was tried (though not every sequence): nothing shorter is to be found here.
            if (!shared.stop.exchange(true))
                shared.exhausted = true;
        };
        const int threads = std::clamp(options.threads, 1, count);
        std::vector<std::thread> pool;
        for (int i = 1; i < threads; ++i)
            pool.emplace_back(work, i, threads);
        work(0, threads);
        for (auto& th : pool)
            th.join();
    }

    Result r;
    const bool cancelled = options.cancel && options.cancel->load();
    if (shared.Found()) {
        r.status = Result::Solved;
        r.moves = shared.solution;
        r.optimal = proven;
    } else {
        r.status = cancelled ? Result::Cancelled : Result::NotFound;
        if (!cancelled && shared.Sure() && shared.exhausted)
            lies = "a search found no solution of " + std::to_string(options.maxMoves) + " moves, which every cube has";
        else if (!cancelled && shared.suspect)
            lies = "a search found no solution of " + std::to_string(options.maxMoves) + " moves in "
                   + std::to_string(int(std::chrono::duration<double>(Clock::now() - shared.since).count())) + " s, where it takes far less";
    }
    return r;
}

} // namespace

Result Solve(const notation::Pieces& pieces, const Options& options)
{
    const Clock::time_point start = Clock::now();
    Result r;
    if (IsSolved(pieces)) {
        r.status = Result::Solved;
        r.optimal = true;
        return r;
    }
    const Cubie cube = FromPieces(pieces);
    std::shared_ptr<TableSet> set = CurrentTables();
    std::string lies;
    r = SearchWith(*set, cube, options, start, lies);
    // Tables that lie are built again here, and the search starts over on them.
    if (!lies.empty() && (set = Distrust(set, lies)))
        r = SearchWith(*set, cube, options, start, lies);
    // Every answer is checked on the pieces.
    if (r.status == Result::Solved && !IsSolved(Apply(pieces, r.moves)))
        r = {};
    r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return r;
}

} // namespace shortsolve
