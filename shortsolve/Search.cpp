// The search: lengths up to 8 exhaustively first, shortest first; then six searches (the cube seen
// along its three axes, and its inverse) on every core with one bound that each solution found
// lowers. Their work comes in pieces (one first-phase length of one search), taken in order by
// whichever thread is free, so that a slow one never holds the others up.
#include "Searcher.h"

#include <condition_variable>
#include <functional>
#include <thread>

namespace shortsolve {

using namespace detail;

namespace {

// Lengths up to this are tried exhaustively, shortest first, before the six searches start: cheap,
// since the first phase alone takes most cubes further than this.
constexpr int ShortLengths = 8;

// Threads kept waiting for the next solve, rather than made for each (which takes as long as a
// quick solve). One solve at a time has them; another meanwhile makes its own.
class Pool {
public:
    ~Pool()
    {
        {
            std::lock_guard lock(m_Mutex);
            m_Quit = true;
        }
        m_Wake.notify_all();
        for (auto& t : m_Threads)
            t.join();
    }
    // Runs job(i) for i from 0 to n - 1, job(0) on this thread; returns when all are done.
    void Run(int n, const std::function<void(int)>& job)
    {
        std::unique_lock busy(m_Busy, std::try_to_lock);
        if (!busy) {
            std::vector<std::thread> own;
            for (int i = 1; i < n; ++i)
                own.emplace_back(job, i);
            job(0);
            for (auto& t : own)
                t.join();
            return;
        }
        {
            std::lock_guard lock(m_Mutex);
            while (int(m_Threads.size()) < n - 1)
                m_Threads.emplace_back([this, i = int(m_Threads.size()) + 1] { Work(i); });
            m_Job = &job;
            m_Size = n;
            m_Left = n - 1;
            ++m_Round;
        }
        m_Wake.notify_all();
        job(0);
        std::unique_lock lock(m_Mutex);
        m_Done.wait(lock, [this] { return m_Left == 0; });
        m_Job = nullptr;
    }

private:
    void Work(int i)
    {
        uint64_t seen = 0;
        for (;;) {
            std::unique_lock lock(m_Mutex);
            m_Wake.wait(lock, [&] { return m_Quit || m_Round != seen; });
            if (m_Quit)
                return;
            seen = m_Round;
            if (i >= m_Size)
                continue;
            const auto* job = m_Job;
            lock.unlock();
            (*job)(i);
            lock.lock();
            if (--m_Left == 0)
                m_Done.notify_all();
        }
    }

    std::mutex m_Busy, m_Mutex;
    std::condition_variable m_Wake, m_Done;
    std::vector<std::thread> m_Threads;
    const std::function<void(int)>* m_Job = nullptr;
    int m_Size = 0, m_Left = 0;
    uint64_t m_Round = 0;
    bool m_Quit = false;
};

Pool& Threads()
{
    static Pool pool;
    return pool;
}

// The search on one set of tables; `lies` says why they lie, when the search shows it.
Result SearchWith(const TableSet& set, const Cubie& cube, const Options& options, Clock::time_point start, std::string& lies)
{
    Shared shared(options, start, Clock::now(), set.fromFile);
    searchStart = ThreadSeconds();
    const int maxMoves = shared.best - 1;
    bool proven = false, exhausted = false;
    {
        Searcher s(set, shared, cube, 0, false);
        if (s.Distance1() < 0) {
            lies = "the first phase's table has no way down from a cube";
            return {};
        }
        for (int length = 1; length <= std::min(ShortLengths, maxMoves) && !shared.Found() && !shared.Check(); ++length)
            for (int d1 = s.Distance1(); d1 <= length && !shared.Found() && !shared.stop; ++d1) {
                shared.phase1 = std::max(shared.phase1.load(), d1);
                s.Run(d1, length, true);
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
        std::atomic<int> next{0};
        Threads().Run(std::clamp(options.threads, 1, 8), [&](int) {
            searchStart = ThreadSeconds();
            std::vector<Searcher> mine = searchers;
            for (int item; !shared.stop && (item = next++) / count < shared.best;) {
                const int d1 = item / count;
                if (d1 > shared.phase1)
                    shared.phase1 = d1;
                mine[std::size_t(item % count)].Run(d1, maxMoves, false);
            }
        });
        // Every length was tried (though not every sequence): nothing shorter is to be found.
        exhausted = !shared.stop.exchange(true);
    }
    Result r;
    const bool cancelled = options.cancel && options.cancel->load();
    if (shared.Found()) {
        r.status = Result::Solved;
        r.moves = shared.solution;
        r.optimal = proven;
    } else {
        r.status = cancelled ? Result::Cancelled : Result::NotFound;
        if (cancelled)
            return r;
        if (shared.lost)
            lies = "a walk down the second phase's table found no way";
        else if (shared.Sure() && exhausted)
            lies = "a search found no solution of " + std::to_string(options.maxMoves) + " moves, which every cube has";
        else if (shared.suspect)
            lies = "a search found no solution of " + std::to_string(options.maxMoves) + " moves in "
                   + std::to_string(int(std::chrono::duration<double>(Clock::now() - shared.since).count()))
                   + " s, where it takes far less";
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
