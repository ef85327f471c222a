#pragma once

#include <functional>
#include <span>

#include "pattern_list.h"
#include "system_table.h"

namespace lorvex {

// Calls `visit` once for every draw of `blockSize` (3..6) numbers out of 1..highestNumber, in
// lexicographic order (d1 < d2 < ... < dk, the last number changing fastest), with the draw's
// numbers ascending and its outcome: the rows with exactly k, k - 1, ..., 3 hits, as a hit-table
// run would count them. Uses the fast engine, so the cost beyond the calls themselves is that of
// an analysis run. Nothing is visited when highestNumber is below blockSize; the span is valid
// only during the call. Reports no progress.
void forEachDrawOutcome(
    const SystemTable& system, int blockSize,
    const std::function<void(std::span<const int> draw, const Outcome& outcome)>& visit);

}  // namespace lorvex
