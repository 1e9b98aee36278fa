// Positions drawn uniformly from all a cube can reach, for the tests of the format and of the stages.
#pragma once

#include "Position.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace notationtest {

// A position drawn uniformly from all a cube can reach: pieces in any order and turned any way, but
// with the corners' turns adding up, the edges' flips even, and both orders of the same parity.
inline notation::Pieces RandomPieces(std::mt19937& rng)
{
    notation::Pieces p;
    std::iota(p.corner.begin(), p.corner.end(), int8_t(0));
    std::iota(p.edge.begin(), p.edge.end(), int8_t(0));
    std::shuffle(p.corner.begin(), p.corner.end(), rng);
    std::shuffle(p.edge.begin(), p.edge.end(), rng);
    const auto parity = [](const auto& order) {
        int n = 0;
        for (std::size_t i = 0; i < order.size(); ++i)
            for (std::size_t j = i + 1; j < order.size(); ++j)
                n += order[i] > order[j];
        return n % 2;
    };
    if (parity(p.corner) != parity(p.edge))
        std::swap(p.edge[0], p.edge[1]);
    int twist = 0, flip = 0;
    for (int i = 0; i < 7; ++i)
        twist += p.twist[i] = int8_t(rng() % 3);
    p.twist[7] = int8_t((3 - twist % 3) % 3);
    for (int i = 0; i < 11; ++i)
        flip += p.flip[i] = int8_t(rng() % 2);
    p.flip[11] = int8_t(flip % 2);
    return p;
}

} // namespace notationtest
