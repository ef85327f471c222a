#include "core/questions/worst_draws.h"

#include <algorithm>
#include <optional>

#include "core/analysis/fast/fast_engine.h"

namespace lorvex {

WorstDraws findWorstDraws(const SystemTable& system, int blockSize, std::int64_t limit) {
    WorstDraws worst;
    std::optional<Outcome> worstOutcome;
    forEachDrawOutcome(system, blockSize, [&](std::span<const int> draw, const Outcome& outcome) {
        ++worst.total;
        if (worstOutcome && outcome.rowsWith > worstOutcome->rowsWith) return;
        if (!worstOutcome || outcome.rowsWith < worstOutcome->rowsWith) {
            worstOutcome = outcome;
            worst.count = 0;
            worst.firstDraws.clear();
        }
        ++worst.count;
        if (limit != 0 && static_cast<std::int64_t>(worst.firstDraws.size()) >= limit) return;
        std::array<int, 6> numbers{};
        std::copy(draw.begin(), draw.end(), numbers.begin());
        worst.firstDraws.push_back(numbers);
    });
    return worst;
}

}  // namespace lorvex
