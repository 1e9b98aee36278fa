#include "CacheFile.h"
#include "Prepared.h"
#include "ShortSolve.h"
#include "SpotCheck.h"

#include <chrono>
#include <mutex>
#include <random>
#include <thread>

#include <sys/resource.h>
#include <unistd.h>

namespace shortsolve {

namespace {

using namespace detail;
using Clock = std::chrono::steady_clock;

int BuildThreads() { return int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u)); }

uint64_t Seed() { return (uint64_t(std::random_device()()) << 32) ^ uint64_t(Clock::now().time_since_epoch().count()); }

// The full tables being built into a set's block: on a thread of low priority while the process
// runs, or to its end on the caller's.
struct Build {
    std::shared_ptr<TableSet> set;
    FullBuilder builder;
    bool resumed;
    std::atomic<bool> stop{false};
    std::thread thread;
    std::mutex doneMutex;
    bool done = false;

    Build(std::shared_ptr<TableSet> s, int pass, bool r) : set(std::move(s)), builder(*set->block, pass, set->known), resumed(r) {}
    void Halt()
    {
        stop = true;
        if (thread.joinable())
            thread.join();
    }
};

// `mutex` guards the folder, the tables and the build; the build's thread never takes it, so that
// whoever holds it may wait for that thread.
struct State {
    std::recursive_mutex mutex;
    std::unique_ptr<CacheFolder> folder;
    std::mutex infoMutex;
    TablesInfo info;
    std::shared_ptr<TableSet> current;
    std::unique_ptr<Build> build;
    std::thread checker;
    std::atomic<bool> quit{false};
    std::mutex noteMutex;
    std::function<void(const CacheNote&)> note;

    ~State()
    {
        quit = true;
        if (checker.joinable())
            checker.join();
        if (build)
            build->Halt();
    }
};

State& S()
{
    static State s;
    return s;
}

std::once_flag once;

void Note(CacheNote::Kind kind, const std::string& file, const std::string& reason)
{
    std::lock_guard lock(S().noteMutex);
    if (S().note)
        S().note({kind, file, reason});
}

bool HasFolder() { return S().folder && S().folder->fd >= 0; }
std::string PathOf(const std::string& name) { return HasFolder() ? S().folder->path + "/" + name : std::string(); }

void LowPriority() { setpriority(PRIO_PROCESS, id_t(gettid()), 19); }

// The build is over: the full tables are saved and the searches take them.
void Finished(Build& b)
{
    std::lock_guard lock(b.doneMutex);
    if (b.done)
        return;
    b.done = true;
    if (HasFolder()) {
        const std::string why = WriteTables(*S().folder, TablesFileName(), *b.set->block, -1);
        if (why.empty()) {
            RemoveFile(*S().folder, PartialFileName());
        } else {
            std::lock_guard info(S().infoMutex);
            S().info.source = TablesInfo::MemoryOnly;
            S().info.reason = why;
            Note(CacheNote::NotWritten, PathOf(TablesFileName()), why);
        }
    }
    b.set->Complete();
}

bool Done(Build& b)
{
    std::lock_guard lock(b.doneMutex);
    return b.done;
}

void StartBuild(std::unique_ptr<Build> build)
{
    auto& s = S();
    if (s.build)
        s.build->Halt();
    if (s.quit)
        return;
    s.build = std::move(build);
    Build* b = s.build.get();
    b->thread = std::thread([b] {
        LowPriority();
        if (b->builder.Run(b->stop, BuildThreads()))
            Finished(*b);
    });
}

// The full tables finished on this thread (and a helper), at its priority.
void CompleteBuild()
{
    Build* b = S().build.get();
    if (!b || Done(*b))
        return;
    b->Halt();
    const std::atomic<bool> never{false};
    if (b->builder.Run(never, 2))
        Finished(*b);
}

// The first phase's table is known this far before a fresh set's first search: enough to guide it
// (most cubes are 9 or 10 moves from the group, so what is unknown is at least 8), and quick:
// few entries are that near.
constexpr int KnownFirst = 7;

// Tables made here, on two threads: the second phase's moves and small tables beside the first
// phase's moves and table up to KnownFirst; its build goes on in the background.
std::shared_ptr<TableSet> FreshSet()
{
    auto set = std::make_shared<TableSet>(Block::Anonymous());
    auto build = std::make_unique<Build>(set, 0, false);
    std::thread small([&] {
        BuildMoves(*set->block, 2);
        set->small = BuildSmall(*set->block);
    });
    BuildMoves(*set->block, 1);
    build->builder.Run(build->stop, std::max(1, BuildThreads() - 1), KnownFirst);
    small.join();
    set->file = PathOf(TablesFileName());
    StartBuild(std::move(build));
    return set;
}

// The large tables' checksums, checked in the background (they take long to read whole).
void CheckInBackground(std::shared_ptr<TableSet> set)
{
    S().checker = std::thread([set] {
        LowPriority();
        const std::string why = CheckLarge(*set->block, S().quit);
        if (!why.empty() && !S().quit)
            Distrust(set, why);
    });
}

// The cache's complete tables, checked; else an unfinished build's, to go on with.
std::shared_ptr<TableSet> FromCache()
{
    auto& s = S();
    const Checked o = CheckCacheFile(*s.folder, TablesFileName(), false);
    if (o.block) {
        auto set = std::make_shared<TableSet>(o.block);
        set->Complete();
        set->fromFile = true;
        set->file = PathOf(TablesFileName());
        std::lock_guard info(s.infoMutex);
        s.info.source = TablesInfo::Loaded;
        CheckInBackground(set);
        return set;
    }
    if (!o.absent) {
        Note(CacheNote::Rejected, PathOf(TablesFileName()), o.reason);
        RemoveFile(*s.folder, TablesFileName());
    }
    const Checked u = CheckCacheFile(*s.folder, PartialFileName(), true);
    if (u.block) {
        auto set = std::make_shared<TableSet>(u.block);
        auto build = std::make_unique<Build>(set, u.pass, true);
        set->small = BuildSmall(*u.block);
        // Not even its classes were made: do that much, and some of its passes, first.
        build->builder.Run(build->stop, BuildThreads(), KnownFirst);
        set->fromFile = true;
        set->file = PathOf(TablesFileName());
        StartBuild(std::move(build));
        return set;
    }
    if (!u.absent) {
        Note(CacheNote::Rejected, PathOf(PartialFileName()), u.reason);
        RemoveFile(*s.folder, PartialFileName());
    }
    return nullptr;
}

void Prepare()
{
    auto& s = S();
    std::lock_guard lock(s.mutex);
    const auto start = Clock::now();
    s.folder = OpenCacheFolder();
    if (!HasFolder()) {
        std::lock_guard info(s.infoMutex);
        s.info.source = TablesInfo::MemoryOnly;
        s.info.reason = s.folder->why;
        Note(CacheNote::NoCache, {}, s.folder->why);
    } else {
        RemoveLeftovers(*s.folder);
        s.current = FromCache();
    }
    if (!s.current)
        s.current = FreshSet();
    std::lock_guard info(s.infoMutex);
    s.info.file = PathOf(TablesFileName());
    s.info.seconds = std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

TablesInfo PrepareTables()
{
    std::call_once(once, Prepare);
    std::lock_guard lock(S().infoMutex);
    return S().info;
}

bool TablesReady()
{
    std::lock_guard lock(S().mutex);
    return S().current != nullptr;
}

std::string CacheFileName() { return TablesFileName(); }

void OnCacheNote(std::function<void(const CacheNote&)> note)
{
    std::lock_guard lock(S().noteMutex);
    S().note = std::move(note);
}

void SaveBeforeExit()
{
    auto& s = S();
    std::lock_guard lock(s.mutex);
    Build* b = s.build.get();
    if (!b || Done(*b))
        return;
    // Nearly there, or a second run on it: finish it now, so that at most two short runs build it.
    if (b->resumed || b->builder.Done() >= 0.8) {
        CompleteBuild();
        return;
    }
    b->Halt();
    if (HasFolder()) {
        const std::string why = WriteTables(*s.folder, PartialFileName(), *b->set->block, b->builder.Pass());
        if (!why.empty())
            Note(CacheNote::NotWritten, PathOf(PartialFileName()), why);
    }
}

namespace detail {

Checked CheckCacheFile(const CacheFolder& folder, const std::string& name, bool unfinished)
{
    const Opened o = OpenTables(folder, name, unfinished);
    Checked c{o.block, o.absent, o.reason, o.pass};
    if (c.block) {
        c.reason = SpotCheck(*c.block, !unfinished, Seed());
        if (!c.reason.empty())
            c.block.reset();
    }
    return c;
}

std::shared_ptr<TableSet> CurrentTables()
{
    PrepareTables();
    std::lock_guard lock(S().mutex);
    return S().current;
}

std::shared_ptr<TableSet> Distrust(const std::shared_ptr<TableSet>& set, const std::string& why)
{
    auto& s = S();
    std::lock_guard lock(s.mutex);
    if (set != s.current)
        return s.current;
    if (!set->fromFile || s.quit)
        return nullptr;
    Note(CacheNote::Lying, set->file, why);
    if (HasFolder()) {
        RemoveFile(*s.folder, TablesFileName());
        RemoveFile(*s.folder, PartialFileName());
    }
    s.current = FreshSet();
    return s.current;
}

std::shared_ptr<TableSet> WaitFullTables()
{
    PrepareTables();
    std::lock_guard lock(S().mutex);
    CompleteBuild();
    return S().current;
}

} // namespace detail

} // namespace shortsolve
