#include "core/questions/coverage.h"

#include "core/analysis/fast/fast_engine.h"

namespace lorvex {

std::optional<BlockCoverage> computeCoverage(const SystemTable& system, int blockSize) {
    if (system.highestNumber() < blockSize) return std::nullopt;
    const BlockHitSummary summary = summariseDrawHitCounts(system, blockSize, RowTotals::Skip);
    BlockCoverage coverage;
    coverage.blockSize = blockSize;
    coverage.draws = summary.draws;
    // A draw whose best row has h hits has a row with at least T hits for every T up to h.
    std::int64_t reached = 0;
    for (std::size_t i = 0; i < coverage.drawsWithAtLeast.size(); ++i) {
        reached += summary.drawsWithBest[i];
        coverage.drawsWithAtLeast[i] = reached;
    }
    return coverage;
}

}  // namespace lorvex
