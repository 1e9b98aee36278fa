// The solver of an earlier commit, built beside today's (see CMakeLists.txt): what the benchmark
// needs of it, in types of neither.
#pragma once

#include "Position.h"

#include <cstdint>
#include <vector>

namespace oldsolver {

// Its tables, loaded or built; then its full first-phase table.
void Prepare();
// A solution within the limit (0: its first one), empty with `solved` false when none was found.
std::vector<uint8_t> Solve(const notation::Pieces& pieces, int timeLimitMs, int threads, bool& solved);

} // namespace oldsolver
