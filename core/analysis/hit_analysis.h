#pragma once

#include "core/analysis/hit_table.h"
#include "core/analysis/pattern_list.h"
#include "core/analysis/progress_observer.h"
#include "core/system/system_table.h"

namespace lorvex {

enum class AnalysisEngine { Fast, Reference };

// The block sizes of "Komplett", in the order their blocks are appended.
inline constexpr int ALL_BLOCK_SIZES[] = {6, 5, 4, 3};

// One block of the hit table: for block size k (6, 5, 4 or 3), every draw of k numbers out of
// the system numbers, grouped by how many rows score 6, 5, 4 and 3 hits.
class HitAnalysis {
public:
    HitAnalysis(const SystemTable& system, HitTable& hitTable,
                AnalysisEngine engine = AnalysisEngine::Fast)
        : system_(system), hitTable_(hitTable), engine_(engine) {}

    // Appends the block's rows to the hit table; nothing at all for an empty system.
    void run(int blockSize, ProgressObserver* observer = nullptr);

private:
    const SystemTable& system_;
    HitTable& hitTable_;
    AnalysisEngine engine_;
    PatternList patterns_;
};

}  // namespace lorvex
