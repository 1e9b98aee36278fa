// The tables' cache file: a header (magic, format version, size, checksum), then the tables. Anything
// that does not match is rebuilt, never trusted; a new file is written aside and renamed into place,
// so a reader sees the old file or the whole new one, whoever else is writing.
#include "Cubie.h"

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <system_error>
#include <thread>

#include <unistd.h>

namespace shortsolve {

namespace {

namespace fs = std::filesystem;

constexpr char Magic[8] = {'M', 'R', 'L', 'S', 'H', 'O', 'R', 'T'};
constexpr uint32_t FileVersion = 2;

struct Header {
    char magic[8];
    uint32_t version;
    uint32_t reserved;
    uint64_t size;
    uint64_t checksum;
};

uint64_t Checksum(const std::vector<uint8_t>& bytes)
{
    // FNV-1a, eight bytes at a time where it can: enough to catch damage, quick on 10 MB.
    uint64_t h = 0xcbf29ce484222325ULL;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t w;
        std::memcpy(&w, bytes.data() + i, 8);
        h = (h ^ w) * 0x100000001b3ULL;
        h ^= h >> 29;
    }
    for (; i < bytes.size(); ++i)
        h = (h ^ bytes[i]) * 0x100000001b3ULL;
    return h;
}

fs::path CacheDir()
{
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg) / "merlos";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".cache" / "merlos";
}

template <typename T>
bool Read(const fs::path& file, T& t)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    Header h{};
    if (!in.read(reinterpret_cast<char*>(&h), sizeof h) || std::memcmp(h.magic, Magic, 8) != 0 || h.version != FileVersion
        || h.size > (uint64_t(1) << 30))
        return false;
    std::vector<uint8_t> bytes(h.size);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(h.size)) || in.peek() != EOF)
        return false;
    return Checksum(bytes) == h.checksum && t.Load(bytes);
}

// Empty when written, else why not.
template <typename T>
std::string Write(const fs::path& file, const T& t)
{
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec)
        return ec.message();
    const std::vector<uint8_t> bytes = t.Save();
    const Header h{{Magic[0], Magic[1], Magic[2], Magic[3], Magic[4], Magic[5], Magic[6], Magic[7]}, FileVersion, 0,
                   bytes.size(), Checksum(bytes)};
    std::random_device rd;
    const fs::path aside = file.parent_path()
                           / (file.filename().string() + "." + std::to_string(getpid()) + "." + std::to_string(rd()) + ".tmp");
    {
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        if (!out)
            return std::strerror(errno);
        out.write(reinterpret_cast<const char*>(&h), sizeof h);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(aside, ec);
            return "could not write the whole file";
        }
    }
    fs::rename(aside, file, ec);
    if (ec) {
        fs::remove(aside, ec);
        return ec.message();
    }
    return {};
}

std::once_flag once;
std::atomic<bool> ready{false};
TablesInfo info;
detail::Tables tables;
detail::Phase1Table full;
std::atomic<const detail::Phase1Table*> fullReady{nullptr};

// The full table is built beside the solver, which uses the small ones meanwhile; leaving the
// process stops the build.
struct Builder {
    std::thread thread;
    std::atomic<bool> abort{false};
    std::mutex mutex;
    std::condition_variable done;
    bool over = false;
    ~Builder()
    {
        abort = true;
        if (thread.joinable())
            thread.join();
    }
    void Finish(const detail::Phase1Table* t)
    {
        fullReady = t;
        std::lock_guard lock(mutex);
        over = true;
        done.notify_all();
    }
} builder;

void PrepareFull(const fs::path& file)
{
    if (Read(file, full)) {
        builder.Finish(&full);
        return;
    }
    builder.thread = std::thread([file] {
        if (!full.Build(tables, builder.abort)) {
            builder.Finish(nullptr);
            return;
        }
        fullReady = &full;
        Write(file, full);
        builder.Finish(&full);
    });
}

void Prepare()
{
    const auto start = std::chrono::steady_clock::now();
    const fs::path file = CacheDir() / CacheFileName();
    info.file = file.string();
    if (Read(file, tables)) {
        info.source = TablesInfo::Loaded;
    } else {
        tables.Build();
        const std::string why = Write(file, tables);
        info.source = why.empty() ? TablesInfo::Built : TablesInfo::MemoryOnly;
        info.reason = why;
    }
    PrepareFull(CacheDir() / ("shortsolve-" + std::to_string(FileVersion) + "-phase1.tables"));
    info.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ready = true;
}

} // namespace

std::string CacheFileName() { return "shortsolve-" + std::to_string(FileVersion) + ".tables"; }

const TablesInfo& PrepareTables()
{
    std::call_once(once, Prepare);
    return info;
}

bool TablesReady() { return ready; }

namespace detail {
const Tables& Ready()
{
    PrepareTables();
    return tables;
}

const Phase1Table* FullTable() { return fullReady.load(std::memory_order_acquire); }

void WaitFullTable()
{
    PrepareTables();
    std::unique_lock lock(builder.mutex);
    builder.done.wait(lock, [] { return builder.over; });
}
} // namespace detail

} // namespace shortsolve
