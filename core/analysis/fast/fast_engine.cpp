#include "core/analysis/fast/fast_engine.h"

#include <algorithm>
#include <bit>

#include "core/analysis/fast/draw_walk.h"
#include "core/analysis/fast/outcome_tally.h"

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

// Instantiated twice so that a walk without row totals does not pay for them per draw.
template <bool countRowTotals>
BlockHitSummary summarise(const SystemTable& system, int drawSize) {
    // The hit table's rule: hits above the draw's size (only a row holding a number twice
    // scores them) count in no column. Bit 7 - i of `kept` stands for rowsWith[i], 6 - i hits.
    unsigned kept = 0;
    for (int i = 0; i < 4; ++i) kept |= unsigned(6 - i <= drawSize) << (7 - i);
    BlockHitSummary summary;
    auto add = [&summary, kept](const fast::Draw&, std::uint64_t moments) {
        const Outcome counts = fast::hitCountsFromMoments(moments);
        ++summary.draws;
        // The first non-zero count, or 4 for none, without a branch that hit counts would
        // mislead: bit 7 - i of `ranks` marks rowsWith[i].
        const auto& rows = counts.rowsWith;
        const unsigned ranks = (unsigned(rows[0] != 0) << 7 | unsigned(rows[1] != 0) << 6 |
                                unsigned(rows[2] != 0) << 5 | unsigned(rows[3] != 0) << 4) &
                               kept;
        ++summary.drawsWithBest[std::size_t(std::min(std::countl_zero(std::uint8_t(ranks)), 4))];
        if constexpr (countRowTotals) {
            for (std::size_t i = 0; i < rows.size(); ++i) summary.rowsWith[i] += rows[i];
        }
    };
    ProgressObserver silent;
    fast::DrawWalk(system, drawSize, silent, add).run();
    for (std::size_t i = 0; i < summary.rowsWith.size(); ++i) {
        if ((kept >> (7 - i) & 1) == 0) summary.rowsWith[i] = 0;
    }
    return summary;
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

BlockHitSummary summariseDrawHitCounts(const SystemTable& system, int drawSize,
                                       RowTotals rowTotals) {
    if (drawSize < 0 || drawSize > fast::MAX_SET_SIZE) return {};
    return rowTotals == RowTotals::Count ? summarise<true>(system, drawSize)
                                         : summarise<false>(system, drawSize);
}

}  // namespace lorvex
