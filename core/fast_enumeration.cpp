#include "draw_enumeration.h"
#include "fast_draw_walk.h"
#include "fast_outcome_tally.h"

namespace lorvex {

void enumerateDrawsFast(const SystemTable& system, int blockSize, PatternList& patterns,
                        ProgressObserver& observer) {
    if (blockSize < 3 || blockSize > fast::MAX_SET_SIZE) return;
    fast::OutcomeTally tally;
    auto count = [&tally](const fast::Draw&, std::uint64_t moments) { tally.add(moments); };
    fast::DrawWalk(system, blockSize, observer, count).run();
    tally.recordInto(patterns, blockSize);
}

}  // namespace lorvex
