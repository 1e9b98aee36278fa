// Compiled with the earlier commit's headers, its namespace renamed.
#include "old_solver.h"

#include "Cubie.h"
#include "ShortSolve.h"

namespace oldsolver {

void Prepare()
{
    shortsolve::PrepareTables();
    shortsolve::detail::WaitFullTable();
}

std::vector<uint8_t> Solve(const notation::Pieces& pieces, int timeLimitMs, int threads, bool& solved)
{
    shortsolve::Options o;
    o.timeLimitMs = timeLimitMs;
    o.threads = threads;
    const shortsolve::Result r = shortsolve::Solve(pieces, o);
    solved = r.status == shortsolve::Result::Solved;
    return r.moves;
}

} // namespace oldsolver
