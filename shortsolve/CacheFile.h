// The tables' cache file: a header page (magic, format version, sizes, a checksum per table and one
// of its own), then the block. Nothing in it is trusted: only a regular file of this user that no
// one else may write is opened, without waiting (a FIFO there must not hang us), every size is
// compared with the format's before anything is mapped, the checksums of all but the largest tables
// before they are used (those in the background), then entries of every table against their
// definition. A new file is written aside under a name that holds this process's id and renamed
// into place; what dead processes left behind is removed.
#pragma once

#include "Tables.h"

#include <atomic>
#include <memory>
#include <string>

namespace shortsolve::detail {

// The folder of the cache, opened: $XDG_CACHE_HOME/merlos, ~/.cache/merlos, or in the account's
// home as the system knows it. Made if missing; only one of this user's that no one else may write.
struct CacheFolder {
    int fd = -1;      // -1: no cache
    std::string path; // when there is one
    std::string why;  // when there is none
    ~CacheFolder();
};
std::unique_ptr<CacheFolder> OpenCacheFolder();
// Where it is, from the environment and the account; empty, with `why`, when nowhere.
std::string CacheFolderPath(std::string& why);
// The folder at `path`, made if missing and checked.
std::unique_ptr<CacheFolder> OpenFolder(const std::string& path);

// The format of the file, which its name holds.
constexpr uint32_t TablesVersion = 4;

// The complete tables, and those of a build that stopped before its end.
std::string TablesFileName();
std::string PartialFileName();

struct Opened {
    std::shared_ptr<Block> block;
    bool absent = false; // no such file: nothing to say
    std::string reason;  // else, when it cannot be used: why
    int pass = -1;       // an unfinished build: the pass it stopped in
};
// The file `name` of the folder, checked and mapped. An unfinished build's is mapped writable and
// checked whole; a complete one's large tables are checked later, by CheckLarge.
Opened OpenTables(const CacheFolder& folder, const std::string& name, bool unfinished);
// The checksums of the large tables: empty when right (or when stopped first), else what is wrong.
std::string CheckLarge(const Block& b, const std::atomic<bool>& stop);
// Writes the block (its header filled here) as `name`: empty when written, else why not. `pass`: -1
// for complete tables, else the pass an unfinished build is to go on from.
std::string WriteTables(const CacheFolder& folder, const std::string& name, Block& b, int pass);
// Removes a file of the folder, if it is there.
void RemoveFile(const CacheFolder& folder, const std::string& name);
// Removes the files being written by processes of this machine that no longer run, and the tables
// of older formats.
void RemoveLeftovers(const CacheFolder& folder);

// A quick checksum of bytes, eight at a time in four lanes; 0 when `stop` stopped it first.
uint64_t Checksum(const uint8_t* p, std::size_t n, const std::atomic<bool>* stop = nullptr);

// The header page: these fields, then zeros, then its own checksum in its last eight bytes.
struct FileHeader {
    char magic[8];
    uint32_t version;
    uint32_t pass; // 0: complete tables; else an unfinished build, to go on from pass - 1
    uint64_t size;
    uint32_t sections;
    uint32_t reserved;
    struct {
        uint64_t offset, size, checksum;
    } section[SectionCount];
};
// Writes the header of a file image whose tables are in place: every checksum computed.
void Seal(uint8_t* file, int pass);
// Computes the header's own checksum again, over what its fields now say.
void SealHeader(uint8_t* file);
// This machine's name as the names of files being written hold it.
std::string ThisHost();

} // namespace shortsolve::detail
