// The five stages, pressed in their order, solve positions drawn uniformly from all a cube can
// reach, set up as a person enters them: not only what a scramble of outer turns makes.
#include "solver_support.h"

#include "random_pieces.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace solver_test;

TEST(SolvePositions, TheStagesSolveRandomPositions)
{
#ifdef MERLO_SOLVER_FEW_SCRAMBLES
    int count = 100;
#else
    int count = 1000;
#endif
    if (const char* n = std::getenv("MERLO_SOLVER_POSITIONS"); n && std::atoi(n) > 0)
        count = std::atoi(n);
    std::mt19937 rng(2024);
    std::vector<int> turns;
    for (int i = 0; i < count; ++i) {
        const notation::Position p = notation::PositionOf(notationtest::RandomPieces(rng));
        Cube cube;
        cube.SetPosition(p);
        ASSERT_EQ(cube.Lines(), 0);
        cube.Press({"RangerHaut", "IdM", "IdC", "RangerM", "FaceB"});
        ASSERT_TRUE(cube.Solved()) << "position " << i << ": " << notation::WritePosition(p).toStdString();
        ASSERT_EQ(cube.Limits(), 0) << "position " << i << ": " << notation::WritePosition(p).toStdString();
        const QStringList log = cube.Log();
        turns.push_back(int(std::count_if(log.begin(), log.end(), IsLayerTurn)));
    }
    std::sort(turns.begin(), turns.end());
    std::printf("[ solver ] %d random positions: layer quarter turns min %d median %d max %d\n", count, turns.front(),
                turns[turns.size() / 2], turns.back());
}
