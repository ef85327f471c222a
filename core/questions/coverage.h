#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/system/system_table.h"

namespace lorvex {

// How well a block's draws are covered: of all C(highestNumber, k) draws of k system numbers,
// how many give at least one row with at least T hits, for T = 6, 5, 4, 3.
struct BlockCoverage {
    int blockSize = 0;
    std::int64_t draws = 0;
    std::array<std::int64_t, 4> drawsWithAtLeast{};  // [0] a row with 6 or more hits ... [3] 3

    std::int64_t withAtLeast(int hits) const { return drawsWithAtLeast[std::size_t(6 - hits)]; }
};

// Nothing when the block has no draw (highestNumber below k). Costs one analysis run.
std::optional<BlockCoverage> computeCoverage(const SystemTable& system, int blockSize);

}  // namespace lorvex
