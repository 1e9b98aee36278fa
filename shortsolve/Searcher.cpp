#include "Searcher.h"

#include <algorithm>
#include <bit>

#include <time.h>

namespace shortsolve::detail {

namespace {

// A search on tables from a file that has found nothing after this much work, where a solution of
// 20 moves always exists and takes far less, has tables that lie: each thread's own processor time
// (a busy machine is not mistaken for them), or, on a machine too busy to give it that, this long.
constexpr double SuspectSeconds = 3;
constexpr auto SuspectWait = std::chrono::seconds(15);

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

template <std::size_t N>
void Turned(const std::array<int8_t, N>& from, const std::array<int8_t, N>& move, std::array<int8_t, N>& to)
{
    for (std::size_t i = 0; i < N; ++i)
        to[i] = from[std::size_t(move[i])];
}

} // namespace

thread_local double searchStart = 0;

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

Shared::Shared(const Options& o, Clock::time_point from, Clock::time_point s, bool lie)
    : options(o), best(std::clamp(o.maxMoves, 0, 30) + 1), mayLie(lie), start(from), since(s),
      deadline(from + std::chrono::milliseconds(std::max(o.timeLimitMs, 0))),
      nextReport(s + std::chrono::milliseconds(std::max(o.progressMs, 1)))
{
}

bool Shared::Check()
{
    if (stop.load(std::memory_order_relaxed))
        return true;
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

void Shared::Record(std::vector<Move> moves)
{
    std::lock_guard lock(mutex);
    if (int(moves.size()) >= best)
        return;
    best = int(moves.size());
    solution = std::move(moves);
    if (options.timeLimitMs <= 0 || (options.untilFirst && Clock::now() > deadline))
        stop = true;
}

Searcher::Searcher(const TableSet& set, Shared& shared, const Cubie& cube, int axis, bool inverse)
    : m_T(&set), m_S(shared), m_Near(&set.Near()), m_Full(set.full.load(std::memory_order_acquire)), m_Known(set.known.load()), m_Axis(axis),
      m_Inverse(inverse)
{
    const Cubie s = Power(TurnURF(), axis);
    const Cubie c = s.Inverse().Then(cube).Then(s);
    m_Cube = inverse ? c.Inverse() : c;
    m_Twist = Twist(m_Cube);
    m_Flip = Flip(m_Cube);
    m_Slice = Slice(m_Cube);
    m_Exact1 = m_Full || set.p1.Mod3(m_Twist, m_Flip, m_Slice) != 3;
    m_Distance1 = m_Exact1 ? set.p1.Distance(m_Twist, m_Flip, m_Slice, set.mv) : m_Known + 1;
    m_Corner[0] = m_Cube.cp;
    m_Edge[0] = m_Cube.ep;
}

void Searcher::Run(int d1, int bound, bool exhaustive)
{
    m_Bound = bound;
    m_Exhaustive = exhaustive;
    m_Valid = 0;
    if (m_Distance1 < 0 || m_Distance1 > d1)
        return;
    if (m_Full)
        Phase1<true>(m_Twist, m_Flip, m_Slice, m_Distance1, true, 0, d1);
    else
        Phase1<false>(m_Twist, m_Flip, m_Slice, m_Distance1, m_Exact1, 0, d1);
}

int Searcher::H2(int cp, int ep, int sp, int cc, int ec) const
{
    const SmallTables& s = *m_T->small;
    return std::max({s.cornerSlice[cp * SlicePerms + sp], s.edgeSlice[ep * SlicePerms + sp], s.cornerComb[cp * Combs + ec],
                     s.edgeComb[ep * Combs + cc]});
}

template <bool Full>
void Searcher::Phase1(int tw, int fl, int sl, int dist, bool exact, int n, int togo)
{
    if (togo == 0) {
        Leaf<Full>(n);
        return;
    }
    const Moves& mv = m_T->mv;
    const bool inGroup = !m_Exhaustive && tw == 0 && fl == 0 && sl == SliceHome;
    if (inGroup && togo < 5)
        return;
    const int last = n ? FaceOf(m_Path[n - 1]) : -1;
    if (togo <= 3) {
        Last<Full>(tw, fl, sl, n, togo, last);
        return;
    }
    uint32_t skip = 0;
    for (int m = 0; m < 18; ++m)
        if (!Follows(last, m / 3) || (inGroup && InGroup(Move(m))))
            skip |= 1u << m;
    if (togo == 4) {
        // Children three moves from the group are found among the few that are.
        for (int m = 0; m < 18; ++m) {
            if (skip >> m & 1)
                continue;
            const int t = mv.twist[tw * 18 + m], f = mv.flip[fl * 18 + m], s = mv.slice[sl * 18 + m];
            if (!m_Near->Ways(3, t, f, s))
                continue;
            m_Path[n] = Move(m);
            m_Valid = std::min(m_Valid, n);
            Phase1<Full>(t, f, s, 3, true, n + 1, 3);
            if (Poll())
                return;
        }
        return;
    }
    int to[54];
    std::size_t idx[18];
    m_T->p1.Children(tw, fl, sl, mv, to, idx, skip);
    for (int m = 0; m < 18; ++m) {
        if (skip >> m & 1)
            continue;
        const int v = Mod3At(m_T->p1.dist, idx[m]);
        int d2 = Near(dist, v);
        bool exact2 = true;
        if constexpr (!Full) {
            // Every read is a lower bound: an entry not yet known is further than those known; one
            // known, from a cube only known to be further, is at least as far as the known ones.
            if (v == 3) {
                d2 = std::max(m_Known + 1, dist - 1);
                exact2 = false;
            } else if (!exact) {
                const int least = std::max(m_Known, dist - 1);
                d2 = least + (v - least % 3 + 3) % 3;
            }
        }
        if (d2 > togo - 1)
            continue;
        m_Path[n] = Move(m);
        m_Valid = std::min(m_Valid, n);
        Phase1<Full>(to[3 * m], to[3 * m + 1], to[3 * m + 2], d2, exact2, n + 1, togo - 1);
        if (Poll())
            return;
    }
}

template <bool Full>
void Searcher::Last(int tw, int fl, int sl, int n, int togo, int last)
{
    const Moves& mv = m_T->mv;
    for (uint32_t ways = m_Near->Ways(togo, tw, fl, sl); ways; ways &= ways - 1) {
        const int m = std::countr_zero(ways);
        if (!Follows(last, m / 3))
            continue;
        m_Path[n] = Move(m);
        m_Valid = std::min(m_Valid, n);
        if (togo == 1)
            Leaf<Full>(n + 1);
        else
            Last<Full>(mv.twist[tw * 18 + m], mv.flip[fl * 18 + m], mv.slice[sl * 18 + m], n + 1, togo - 1, m / 3);
        if (Poll())
            return;
    }
}

template <bool Full>
void Searcher::Leaf(int n)
{
    const int limit = std::min(m_S.best.load(std::memory_order_relaxed) - 1, m_Bound) - n;
    if (limit < 0)
        return;
    for (; m_Valid < n; ++m_Valid) {
        const Cubie& move = MoveCubes()[m_Path[m_Valid]];
        Turned(m_Corner[m_Valid], move.cp, m_Corner[m_Valid + 1]);
        Turned(m_Edge[m_Valid], move.ep, m_Edge[m_Valid + 1]);
    }
    const int8_t *c = m_Corner[n].data(), *e = m_Edge[n].data();
    const int cp = Order8(c), sp = Order4(e + 8);
    if constexpr (Full) {
        // Cheap bounds first: corners with middle edges, edges with the top corners' places; the
        // latter and the corners alone bound the corners' and edges' distance too, which is known
        // mod 3. Only then the walk down for that distance.
        const Phase2Table& p2 = m_T->p2;
        const int cs = p2.CornerSlice(cp, sp);
        if (cs > limit)
            return;
        const int ep = Order8(e), ec = p2.EdgeComb(ep, CombOf(c)), h = std::max(cs, ec);
        if (h > limit)
            return;
        const int mod = Mod3At(p2.dist, p2.Index(cp, ep)), least = std::max<int>(m_T->cornerDist[p2.classOf[cp] >> 4], ec);
        const int first = least + (mod - least % 3 + 3) % 3;
        if (first > limit)
            return;
        // The walk down asks only whether it is that near: if not, it is three more at least.
        int d = p2.Distance(cp, ep, m_T->mv, first, m_T->cornerDist.data());
        if (d > first) {
            if (first + 3 > limit)
                return;
            d = p2.Distance(cp, ep, m_T->mv, limit, m_T->cornerDist.data());
        }
        if (d < 0) {
            m_S.lost = m_S.stop = true;
            return;
        }
        for (int length = std::max(d, h); length <= limit; ++length)
            if (Phase2Full(cp, ep, sp, d, n, length)) {
                Record(m_Length);
                return;
            }
    } else {
        if (m_T->small->cornerSlice[cp * SlicePerms + sp] > limit)
            return;
        const int ep = Order8(e), cc = CombOf(c), ec = CombOf(e);
        for (int length = H2(cp, ep, sp, cc, ec); length <= limit; ++length)
            if (Phase2Small(cp, ep, sp, cc, ec, n, length)) {
                Record(m_Length);
                return;
            }
    }
}

bool Searcher::Phase2Full(int cp, int ep, int sp, int d, int n, int togo)
{
    if (cp == 0 && ep == 0 && sp == 0) {
        m_Length = n;
        return true;
    }
    if (togo == 0)
        return false;
    const Moves& mv = m_T->mv;
    const Phase2Table& p2 = m_T->p2;
    int to[20];
    std::size_t idx[10];
    p2.Children(cp, ep, mv, to, idx);
    const int last = n ? FaceOf(m_Path[n - 1]) : -1;
    for (int k = 0; k < 10; ++k) {
        const Move m = Phase2Moves[k];
        if (!Follows(last, FaceOf(m)))
            continue;
        const int c2 = to[2 * k], s2 = mv.slice2[sp * 10 + k];
        const int d2 = Near(d, Mod3At(p2.dist, idx[k]));
        if (d2 > togo - 1 || p2.CornerSlice(c2, s2) > togo - 1)
            continue;
        m_Path[n] = m;
        if (Phase2Full(c2, to[2 * k + 1], s2, d2, n + 1, togo - 1))
            return true;
        if (Poll())
            return false;
    }
    return false;
}

bool Searcher::Phase2Small(int cp, int ep, int sp, int cc, int ec, int n, int togo)
{
    if (cp == 0 && ep == 0 && sp == 0) {
        m_Length = n;
        return true;
    }
    if (togo == 0)
        return false;
    const Moves& mv = m_T->mv;
    const SmallTables& s = *m_T->small;
    const int last = n ? FaceOf(m_Path[n - 1]) : -1;
    for (int k = 0; k < 10; ++k) {
        const Move m = Phase2Moves[k];
        if (!Follows(last, FaceOf(m)))
            continue;
        const int c2 = mv.corner2[cp * 10 + k], e2 = mv.edge2[ep * 10 + k], s2 = mv.slice2[sp * 10 + k];
        const int cc2 = s.cornerCombMove[cc * 10 + k], ec2 = s.edgeCombMove[ec * 10 + k];
        if (H2(c2, e2, s2, cc2, ec2) > togo - 1)
            continue;
        m_Path[n] = m;
        if (Phase2Small(c2, e2, s2, cc2, ec2, n + 1, togo - 1))
            return true;
        if (Poll())
            return false;
    }
    return false;
}

void Searcher::Record(int length)
{
    std::vector<Move> moves(m_Path.begin(), m_Path.begin() + length);
    if (m_Inverse) {
        std::reverse(moves.begin(), moves.end());
        for (Move& m : moves)
            m = InverseMove(m);
    }
    for (Move& m : moves)
        m = AxisMoves()[m_Axis][m];
    m_S.Record(std::move(moves));
}

} // namespace shortsolve::detail
