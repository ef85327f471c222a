#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/system/system_table.h"

namespace lorvex {

// The draws of a real lottery, six numbers out of 49, without the bonus number.
inline constexpr std::int64_t LOTTERY_DRAWS = 13983816;

// The system played in every one of the LOTTERY_DRAWS real draws, counted exactly.
struct DrawOdds {
    std::array<std::int64_t, 4> bestRank{};  // [0] draws whose best row scores 6 ... [3] 3
    std::int64_t withoutWin = 0;             // draws in which no row scores 3 or more
    // Of those, the draws whose best row scores 2; unknown when a row holds a number twice,
    // which no ticket does and which scores above the draw in the hit table.
    std::optional<std::int64_t> withBestTwo;
    std::array<std::int64_t, 4> winningRows{};  // [0] rows with exactly 6 hits, over all draws

    std::int64_t drawsWithBest(int hits) const { return bestRank[std::size_t(6 - hits)]; }
    std::int64_t rowsWith(int hits) const { return winningRows[std::size_t(6 - hits)]; }
};

// A real draw with j of its numbers among 1..highestNumber scores what those j numbers score,
// so each draw of j system numbers stands for C(49 - highestNumber, 6 - j) real draws. Costs
// at most one analysis of the four blocks.
DrawOdds computeDrawOdds(const SystemTable& system);

}  // namespace lorvex
