// Entries of the tables recomputed from their definition, a few thousand picked at random (spread
// evenly over each table), before tables from a file are used: the moves of every coordinate, the
// symmetries, and each distance against its neighbours' (the goal at 0, every other entry one more
// than its nearest neighbour).
#pragma once

#include "Tables.h"

#include <string>

namespace shortsolve::detail {

// Empty when every entry looked at is right, else the first found wrong, as "TABLE: entry K is D,
// expected E". `full`: the full tables too, not only the moves. `samples` scales how many are looked at.
std::string SpotCheck(const Block& b, bool full, uint64_t seed, int samples = 256);

} // namespace shortsolve::detail
