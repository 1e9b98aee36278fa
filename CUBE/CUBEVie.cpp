#include "CUBEVie.h"

#include <atomic>

namespace {

// The host calls on one thread, but counting atomically costs nothing and keeps a stray call from
// another thread honest.
std::atomic<long> g_Objects{0};
std::atomic<long> g_Locks{0};

} // namespace

void CUBE_ObjectCreated() { ++g_Objects; }
void CUBE_ObjectDestroyed() { --g_Objects; }

void CUBE_LockServer(bool lock)
{
    if (lock)
        ++g_Locks;
    else if (g_Locks.load() > 0)
        --g_Locks;
}

bool CUBE_CanUnload() { return g_Objects.load() == 0 && g_Locks.load() == 0; }
