#include "fast_engine.h"

#include "draw_walk.h"
#include "outcome_tally.h"

namespace lorvex {

namespace {

template <class CountsOf>
void visitEveryDraw(const SystemTable& system, int drawSize, const DrawVisitor& visit,
                    CountsOf countsOf) {
    auto report = [&](const fast::Draw& draw, std::uint64_t moments) {
        visit(std::span<const int>(draw.data(), std::size_t(drawSize)), countsOf(moments));
    };
    ProgressObserver silent;
    fast::DrawWalk(system, drawSize, silent, report).run();
}

}  // namespace

void enumerateDrawsFast(const SystemTable& system, int blockSize, PatternList& patterns,
                        ProgressObserver& observer) {
    if (blockSize < 3 || blockSize > fast::MAX_SET_SIZE) return;
    fast::OutcomeTally tally;
    auto count = [&tally](const fast::Draw&, std::uint64_t moments) { tally.add(moments); };
    fast::DrawWalk(system, blockSize, observer, count).run();
    tally.recordInto(patterns, blockSize);
}

void forEachDrawOutcome(const SystemTable& system, int blockSize, const DrawVisitor& visit) {
    if (blockSize < 3 || blockSize > fast::MAX_SET_SIZE) return;
    visitEveryDraw(system, blockSize, visit, [blockSize](std::uint64_t moments) {
        return fast::outcomeFromMoments(moments, blockSize);
    });
}

void forEachDrawHitCounts(const SystemTable& system, int drawSize, const DrawVisitor& visit) {
    if (drawSize < 0 || drawSize > fast::MAX_SET_SIZE) return;
    visitEveryDraw(system, drawSize, visit, fast::hitCountsFromMoments);
}

}  // namespace lorvex
