#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "system_table.h"

namespace lorvex {

// How many rows score exactly 6, 5, 4 and 3 hits with one draw ([0] six hits), counting every
// row entry on its own: a row that holds a drawn number twice may score more hits than the
// draw has numbers, and is counted with all of them.
using DrawHitCounts = std::array<std::int32_t, 4>;

inline std::int32_t rowsWithHits(const DrawHitCounts& counts, int hits) {
    return counts[std::size_t(6 - hits)];
}

// Calls `visit` once for every draw of `blockSize` (0..6) distinct numbers out of
// 1..highestNumber, in lexicographic order, with the draw's numbers ascending and its full hit
// counts. Blocks of 3 to 6 numbers cost what an analysis run of the block costs; smaller ones
// are counted row by row. Nothing is visited when highestNumber is below blockSize; the span is
// valid only during the call.
void forEachDrawHitCounts(
    const SystemTable& system, int blockSize,
    const std::function<void(std::span<const int> draw, const DrawHitCounts& counts)>& visit);

// All draws of one block at once, as forEachDrawHitCounts sees them, without a call per draw.
struct BlockHitSummary {
    std::int64_t draws = 0;
    // [0] draws whose best row scores 6 hits ... [3] 3 hits, [4] draws without a row of 3 or more
    std::array<std::int64_t, 5> drawsWithBest{};
    std::array<std::int64_t, 4> rowsWith{};  // [0] rows with exactly 6 hits, summed over the draws
};

// Skip leaves rowsWith at 0, for callers that need only the best ranks.
enum class RowTotals { Skip, Count };

BlockHitSummary summariseDrawHitCounts(const SystemTable& system, int blockSize,
                                       RowTotals rowTotals);

}  // namespace lorvex
