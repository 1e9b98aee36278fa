#include "CacheFile.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shortsolve::detail {

namespace {

constexpr char Magic[8] = {'M', 'R', 'L', 'S', 'H', 'O', 'R', 'T'};

static_assert(sizeof(FileHeader) + 8 <= HeaderBytes);

std::string Errno(int e = errno) { return std::strerror(e); }

uint64_t HeaderSum(const uint8_t* page) { return Checksum(page, HeaderBytes - 8); }

// Why the header does not describe a block of this format: empty when it does.
std::string CheckHeader(const uint8_t* page, bool unfinished)
{
    FileHeader h;
    std::memcpy(&h, page, sizeof h);
    uint64_t sum;
    std::memcpy(&sum, page + HeaderBytes - 8, 8);
    if (std::memcmp(h.magic, Magic, 8) != 0)
        return "not a tables file of this program";
    if (h.version != TablesVersion)
        return "format version " + std::to_string(h.version) + ", expected " + std::to_string(TablesVersion);
    if (sum != HeaderSum(page))
        return "its header's checksum is wrong";
    if (h.size != BlockBytes())
        return "size field " + std::to_string(h.size) + ", expected " + std::to_string(BlockBytes());
    if (h.sections != SectionCount)
        return std::to_string(h.sections) + " tables, expected " + std::to_string(SectionCount);
    for (int s = 0; s < SectionCount; ++s)
        if (h.section[s].offset != Offset(Section(s)) || h.section[s].size != Info(Section(s)).bytes)
            return std::string(Info(Section(s)).name) + ": size " + std::to_string(h.section[s].size) + " at "
                   + std::to_string(h.section[s].offset) + ", expected " + std::to_string(Info(Section(s)).bytes)
                   + " at " + std::to_string(Offset(Section(s)));
    if ((h.pass != 0) != unfinished)
        return unfinished ? "a complete build's file" : "an unfinished build's file";
    return {};
}

std::string CheckSums(const Block& b, bool large, const std::atomic<bool>* stop = nullptr)
{
    FileHeader h;
    std::memcpy(&h, b.Data(), sizeof h);
    for (int s = 0; s < SectionCount; ++s)
        if (Info(Section(s)).large == large
            && Checksum(b.Data() + Offset(Section(s)), Info(Section(s)).bytes, stop) != h.section[s].checksum
            && !(stop && *stop))
            return std::string("the checksum of the ") + Info(Section(s)).name + " is wrong";
    return {};
}

} // namespace

std::string ThisHost()
{
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    std::string s(name);
    for (char& c : s)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-'))
            c = '_';
    return s;
}

namespace {

// "NAME.tmp-PID-HOST": a file being written by process PID of machine HOST.
std::string AsideName(const std::string& name) { return name + ".tmp-" + std::to_string(getpid()) + "-" + ThisHost(); }

bool WriteAll(int fd, const uint8_t* p, std::size_t n)
{
    while (n > 0) {
        const ssize_t k = write(fd, p, n);
        if (k < 0 && errno == EINTR)
            continue;
        if (k <= 0)
            return false;
        p += k;
        n -= std::size_t(k);
    }
    return true;
}

} // namespace

std::string CacheFolderPath(std::string& why)
{
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/merlos";
    // Never a folder at the root of the file system, which every user would share.
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/' && std::string_view(home).find_first_not_of('/') != std::string_view::npos)
        return std::string(home) + "/.cache/merlos";
    const passwd* pw = getpwuid(geteuid());
    if (pw && pw->pw_dir && pw->pw_dir[0] == '/' && std::string_view(pw->pw_dir).find_first_not_of('/') != std::string_view::npos)
        return std::string(pw->pw_dir) + "/.cache/merlos";
    why = "neither XDG_CACHE_HOME nor HOME is set, and the account has no home folder";
    return {};
}

namespace {

// Makes the folder and those above it that are missing, as mkdir -p does; the last one ours alone.
bool MakeFolders(const std::string& path)
{
    for (std::size_t i = 1; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '/') {
            const std::string part = path.substr(0, i);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                return false;
        }
    return true;
}

} // namespace

uint64_t Checksum(const uint8_t* p, std::size_t n, const std::atomic<bool>* stop)
{
    constexpr uint64_t K = 0x9E3779B97F4A7C15ULL, M = 0xff51afd7ed558ccdULL;
    uint64_t lane[4] = {K, K ^ n, ~K, K + 1};
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        // Now and then, whether to go on.
        if ((i & 0xFFFFF) == 0 && stop && stop->load(std::memory_order_relaxed))
            return 0;
        for (int k = 0; k < 4; ++k) {
            uint64_t w;
            std::memcpy(&w, p + i + 8 * k, 8);
            lane[k] = (lane[k] ^ w) * M;
            lane[k] ^= lane[k] >> 29;
        }
    }
    uint64_t h = lane[0] ^ (lane[1] * 3) ^ (lane[2] * 5) ^ (lane[3] * 7);
    for (; i < n; ++i)
        h = (h ^ p[i]) * M;
    return h ^ (h >> 31);
}

CacheFolder::~CacheFolder()
{
    if (fd >= 0)
        close(fd);
}

std::unique_ptr<CacheFolder> OpenCacheFolder()
{
    std::string why;
    const std::string path = CacheFolderPath(why);
    if (path.empty()) {
        auto f = std::make_unique<CacheFolder>();
        f->why = why;
        return f;
    }
    return OpenFolder(path);
}

std::unique_ptr<CacheFolder> OpenFolder(const std::string& path)
{
    auto f = std::make_unique<CacheFolder>();
    f->path = path;
    const auto none = [&](const std::string& why) {
        if (f->fd >= 0)
            close(f->fd);
        f->fd = -1;
        f->why = f->path + ": " + why;
        return std::move(f);
    };
    if (!MakeFolders(f->path))
        return none(Errno());
    f->fd = open(f->path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (f->fd < 0)
        return none(errno == ELOOP ? "a symbolic link" : Errno());
    struct stat st;
    if (fstat(f->fd, &st) != 0)
        return none(Errno());
    if (st.st_uid != geteuid())
        return none("owned by uid " + std::to_string(st.st_uid));
    // Ours, but others may write in it (made so by an older version): no longer.
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) && fchmod(f->fd, st.st_mode & 0755) != 0)
        return none("writable by others, and " + Errno());
    return f;
}

std::string TablesFileName() { return "shortsolve-" + std::to_string(TablesVersion) + ".tables"; }
std::string PartialFileName() { return "shortsolve-" + std::to_string(TablesVersion) + ".unfinished"; }

Opened OpenTables(const CacheFolder& folder, const std::string& name, bool unfinished)
{
    Opened o;
    const int fd = openat(folder.fd, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        o.absent = errno == ENOENT;
        o.reason = errno == ELOOP ? "a symbolic link" : Errno();
        return o;
    }
    struct stat st;
    uint8_t page[HeaderBytes];
    if (fstat(fd, &st) != 0)
        o.reason = Errno();
    else if (!S_ISREG(st.st_mode))
        o.reason = "not a regular file";
    else if (st.st_uid != geteuid())
        o.reason = "owned by uid " + std::to_string(st.st_uid);
    else if (st.st_mode & (S_IWGRP | S_IWOTH))
        o.reason = "writable by others";
    else if (uint64_t(st.st_size) != BlockBytes())
        o.reason = "size " + std::to_string(st.st_size) + ", expected " + std::to_string(BlockBytes());
    else if (const ssize_t k = pread(fd, page, HeaderBytes, 0); k != ssize_t(HeaderBytes))
        o.reason = k < 0 ? Errno() : "its header could not be read whole";
    else
        o.reason = CheckHeader(page, unfinished);
    if (o.reason.empty()) {
        o.block = Block::Map(fd, unfinished, o.reason);
        if (o.block) {
            o.reason = CheckSums(*o.block, false);
            if (o.reason.empty() && unfinished)
                o.reason = CheckSums(*o.block, true);
            FileHeader h;
            std::memcpy(&h, page, sizeof h);
            o.pass = int(h.pass) - 1;
        }
        if (!o.reason.empty())
            o.block.reset();
    }
    close(fd);
    return o;
}

std::string CheckLarge(const Block& b, const std::atomic<bool>& stop) { return CheckSums(b, true, &stop); }

void Seal(uint8_t* file, int pass)
{
    FileHeader h{};
    std::memcpy(h.magic, Magic, 8);
    h.version = TablesVersion;
    h.pass = pass < 0 ? 0 : uint32_t(pass) + 1;
    h.size = BlockBytes();
    h.sections = SectionCount;
    for (int s = 0; s < SectionCount; ++s)
        h.section[s] = {Offset(Section(s)), Info(Section(s)).bytes, Checksum(file + Offset(Section(s)), Info(Section(s)).bytes)};
    std::memset(file, 0, HeaderBytes);
    std::memcpy(file, &h, sizeof h);
    SealHeader(file);
}

void SealHeader(uint8_t* file)
{
    const uint64_t sum = HeaderSum(file);
    std::memcpy(file + HeaderBytes - 8, &sum, 8);
}

std::string WriteTables(const CacheFolder& folder, const std::string& name, Block& b, int pass)
{
    Seal(b.Data(), pass);

    const std::string aside = AsideName(name);
    const int fd = openat(folder.fd, aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return Errno();
    std::string why;
    if (!WriteAll(fd, b.Data(), BlockBytes()))
        why = Errno();
    if (close(fd) != 0 && why.empty())
        why = Errno();
    if (why.empty() && renameat(folder.fd, aside.c_str(), folder.fd, name.c_str()) != 0)
        why = Errno();
    if (!why.empty())
        unlinkat(folder.fd, aside.c_str(), 0);
    return why;
}

void RemoveFile(const CacheFolder& folder, const std::string& name) { unlinkat(folder.fd, name.c_str(), 0); }

void RemoveLeftovers(const CacheFolder& folder)
{
    const int fd = dup(folder.fd);
    DIR* dir = fd >= 0 ? fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0)
            close(fd);
        return;
    }
    rewinddir(dir);
    const std::string host = ThisHost();
    while (const dirent* e = readdir(dir)) {
        const std::string_view n = e->d_name;
        if (!n.starts_with("shortsolve-"))
            continue;
        bool gone = false;
        if (const auto at = n.find(".tmp-"); at != n.npos) {
            // A file being written: its writer's process id and machine.
            const std::string_view rest = n.substr(at + 5);
            const auto dash = rest.find('-');
            const long pid = dash == rest.npos ? 0 : std::strtol(std::string(rest.substr(0, dash)).c_str(), nullptr, 10);
            gone = pid > 0 && rest.substr(dash + 1) == host && pid != getpid() && kill(pid_t(pid), 0) != 0 && errno == ESRCH;
        } else {
            // Tables of an older format.
            const long version = std::strtol(std::string(n.substr(11)).c_str(), nullptr, 10);
            gone = version > 0 && version < long(TablesVersion);
        }
        struct stat st;
        if (gone && fstatat(folder.fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && st.st_uid == geteuid())
            unlinkat(folder.fd, e->d_name, 0);
    }
    closedir(dir);
}

} // namespace shortsolve::detail
