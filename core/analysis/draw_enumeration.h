#pragma once

#include "core/analysis/pattern_list.h"
#include "core/analysis/progress_observer.h"
#include "core/system/system_table.h"

namespace lorvex {

// Every draw of k distinct numbers out of 1..highestNumber, in lexicographic order, each
// checked against every row, entry by entry. Slow but obviously right: the reference that the
// fast engine (fast/fast_engine.h) is measured against.
void enumerateDrawsReference(const SystemTable& system, int blockSize, PatternList& patterns,
                             ProgressObserver& observer);

}  // namespace lorvex
