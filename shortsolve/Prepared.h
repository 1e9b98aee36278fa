// The tables the searches use, as this process has them: loaded from the cache, or built here (the
// small ones at once, the full first-phase table beside the searches, then saved).
#pragma once

#include "Tables.h"

#include <atomic>
#include <memory>
#include <string>

namespace shortsolve::detail {

struct TableSet {
    std::shared_ptr<Block> block;
    Tables t;
    Phase1Table p1;
    std::atomic<bool> full{false}; // the first phase's full table is there
    bool fromFile = false;         // read from the cache: it may lie
    std::string file;

    explicit TableSet(std::shared_ptr<Block> b) : block(std::move(b)), t(Tables::Of(*block)), p1(Phase1Table::Of(*block)) {}
};

struct CacheFolder;

// A file of the cache checked as tables are before they are used (opened, sizes, checksums, then
// entries against their definition): `block` when it can be used, else `reason` unless `absent`.
struct Checked {
    std::shared_ptr<Block> block;
    bool absent = false;
    std::string reason;
    int pass = -1; // an unfinished build's: the pass it stopped in
};
Checked CheckCacheFile(const CacheFolder& folder, const std::string& name, bool unfinished);

// What a search starts with (after PrepareTables()); it keeps them alive while it runs.
std::shared_ptr<TableSet> CurrentTables();
// A search with these tables failed where it cannot: they are dropped (their file too) and fresh
// ones made here, which are returned; null when these were made here already (nothing better).
std::shared_ptr<TableSet> Distrust(const std::shared_ptr<TableSet>& set, const std::string& why);
// The full tables, the build finished now on this thread if it is still under way.
std::shared_ptr<TableSet> WaitFullTables();

} // namespace shortsolve::detail
