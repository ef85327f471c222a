#include "fast_draw_outcomes.h"

#include "fast_draw_walk.h"

namespace lorvex {

void forEachDrawOutcome(
    const SystemTable& system, int blockSize,
    const std::function<void(std::span<const int> draw, const Outcome& outcome)>& visit) {
    if (blockSize < 3 || blockSize > fast::MAX_SET_SIZE) return;
    auto report = [&](const fast::Draw& draw, std::uint64_t moments) {
        visit(std::span<const int>(draw.data(), std::size_t(blockSize)),
              fast::outcomeFromMoments(moments, blockSize));
    };
    ProgressObserver silent;
    fast::DrawWalk(system, blockSize, silent, report).run();
}

}  // namespace lorvex
