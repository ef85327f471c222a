#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "core/analysis/pattern_list.h"
#include "core/analysis/progress_observer.h"
#include "core/system/system_table.h"

// The fast engine: the hit counts of every draw worked out of moment sums instead of visiting
// every row per draw (see draw_walk.h). This is its whole interface; the other headers in this
// folder are its internals.
namespace lorvex {

// The outcomes and progress points of enumerateDrawsReference (draw_enumeration.h) for block
// size 3..6, computed without visiting every row per draw.
void enumerateDrawsFast(const SystemTable& system, int blockSize, PatternList& patterns,
                        ProgressObserver& observer);

using DrawVisitor = std::function<void(std::span<const int> draw, const Outcome& counts)>;

// Calls `visit` once for every draw of `blockSize` (3..6) numbers out of 1..highestNumber, in
// lexicographic order (d1 < d2 < ... < dk, the last number changing fastest), with the draw's
// numbers ascending and its outcome: the rows with exactly k, k - 1, ..., 3 hits, as a hit-table
// run would count them. The cost beyond the calls themselves is that of an analysis run.
// Nothing is visited when highestNumber is below blockSize; the span is valid only during the
// call. Reports no progress.
void forEachDrawOutcome(const SystemTable& system, int blockSize, const DrawVisitor& visit);

// Like forEachDrawOutcome, for draws of 0..6 numbers, with the full hit counts of each draw:
// the rows with exactly 6, 5, 4 and 3 hits, also those above the draw's size (a row that holds
// a drawn number twice scores it twice, so the draw {1, 2} gives the row 1 1 1 2 2 2 six hits).
// The one draw of 0 numbers is the empty span.
void forEachDrawHitCounts(const SystemTable& system, int drawSize, const DrawVisitor& visit);

// All draws of one size at once, counted as the hit table counts a block: a row that scores
// more hits than the draw holds (only a row holding a number twice can) counts in no column.
struct BlockHitSummary {
    std::int64_t draws = 0;
    // [0] draws whose best row scores 6 hits ... [3] 3 hits, [4] draws without a row of 3 or more
    std::array<std::int64_t, 5> drawsWithBest{};
    std::array<std::int64_t, 4> rowsWith{};  // [0] rows with exactly 6 hits, summed over the draws
};

// Skip leaves rowsWith at 0, for callers that need only the best ranks.
enum class RowTotals { Skip, Count };

BlockHitSummary summariseDrawHitCounts(const SystemTable& system, int drawSize,
                                       RowTotals rowTotals);

}  // namespace lorvex
