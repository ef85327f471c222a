#include "core/questions/draw_odds.h"

#include <algorithm>

#include "core/analysis/fast/fast_engine.h"
#include "core/maths/binomial.h"

namespace lorvex {

DrawOdds computeDrawOdds(const SystemTable& system) {
    DrawOdds odds;
    const int m = system.highestNumber();
    for (int j = 0; j <= std::min(NUMBERS_PER_ROW, m); ++j) {
        const auto weight = std::int64_t(binomial(MAX_SYSTEM_NUMBER - m, NUMBERS_PER_ROW - j));
        if (weight == 0) continue;  // with 49 system numbers every real draw has six of them
        const BlockHitSummary summary = summariseDrawHitCounts(system, j, RowTotals::Count);
        for (std::size_t i = 0; i < odds.bestRank.size(); ++i) {
            odds.bestRank[i] += weight * summary.drawsWithBest[i];
            odds.winningRows[i] += weight * summary.rowsWith[i];
        }
        odds.withoutWin += weight * summary.drawsWithBest.back();
    }
    return odds;
}

}  // namespace lorvex
