#include "coverage.h"

#include "draw_hit_counts.h"

namespace lorvex {

std::optional<BlockCoverage> computeCoverage(const SystemTable& system, int blockSize) {
    if (system.highestNumber() < blockSize) return std::nullopt;
    BlockCoverage coverage;
    coverage.blockSize = blockSize;
    forEachDrawHitCounts(system, blockSize, [&](std::span<const int>, const DrawHitCounts& counts) {
        ++coverage.draws;
        // A row with h hits also has at least T hits for every T up to h.
        bool reached = false;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            reached = reached || counts[i] > 0;
            if (reached) ++coverage.drawsWithAtLeast[i];
        }
    });
    return coverage;
}

}  // namespace lorvex
