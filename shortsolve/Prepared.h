// The tables the searches use, as this process has them: loaded from the cache, or built here (the
// small ones at once, the full ones beside the searches, then saved).
#pragma once

#include "Tables.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>

namespace shortsolve::detail {

struct TableSet {
    std::shared_ptr<Block> block;
    Moves mv;
    Phase1Table p1;
    Phase2Table p2;
    std::unique_ptr<SmallTables> small; // until the full tables are there
    std::atomic<bool> full{false};      // they are: see Complete()
    std::atomic<int> known{-1};         // until then, the first phase's table holds every distance up to this
    // The corners' own distance within the second phase, by class: the nearest of their entries in
    // the corner x middle edge table.
    std::array<uint8_t, CornerClasses> cornerDist{};
    bool fromFile = false;              // read from the cache: they may lie
    std::string file;

    explicit TableSet(std::shared_ptr<Block> b)
        : block(std::move(b)), mv(Moves::Of(*block)), p1(Phase1Table::Of(*block)), p2(Phase2Table::Of(*block))
    {
    }
    // The full tables are in the block: what is derived from them is made, then the searches may
    // take them.
    void Complete()
    {
        for (int c = 0; c < CornerClasses; ++c)
            cornerDist[c] = *std::min_element(p2.cornerSlice + c * SlicePerms, p2.cornerSlice + (c + 1) * SlicePerms);
        full.store(true, std::memory_order_release);
    }
    // Made on first use, when the move tables are there.
    const NearGroup& Near() const
    {
        std::call_once(m_NearOnce, [this] { m_Near = std::make_unique<NearGroup>(mv); });
        return *m_Near;
    }

private:
    mutable std::once_flag m_NearOnce;
    mutable std::unique_ptr<NearGroup> m_Near;
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
