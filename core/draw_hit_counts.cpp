#include "draw_hit_counts.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <vector>

#include "fast_draw_walk.h"
#include "fast_moments.h"

namespace lorvex {

namespace {

// The inversion n_h = sum over j >= h of (-1)^(j-h) C(j, h) c_j for every h = 6..3, without
// leaving out the counts above the block size. Exact modulo 2^16, and no count reaches 2^16.
DrawHitCounts hitCountsFromMoments(std::uint64_t packed) {
    fast::MomentLanes c;
    std::memcpy(c.data(), &packed, sizeof packed);
    const std::uint32_t c3 = c[0], c4 = c[1], c5 = c[2], c6 = c[3];
    return {
        std::int32_t(std::uint16_t(c6)),
        std::int32_t(std::uint16_t(c5 - 6 * c6)),
        std::int32_t(std::uint16_t(c4 - 5 * c5 + 15 * c6)),
        std::int32_t(std::uint16_t(c3 - 4 * c4 + 10 * c5 - 20 * c6)),
    };
}

DrawHitCounts countRowByRow(std::span<const SystemRow> rows, std::span<const int> draw) {
    std::array<bool, MAX_SYSTEM_NUMBER + 1> drawn{};
    for (const int number : draw) drawn[std::size_t(number)] = true;
    DrawHitCounts counts{};
    for (const SystemRow& row : rows) {
        int hits = 0;
        for (const std::int32_t number : row) hits += drawn[std::size_t(number)] ? 1 : 0;
        if (hits >= 3) ++counts[std::size_t(6 - hits)];
    }
    return counts;
}

bool repeatsANumber(const SystemRow& row) {
    for (auto at = row.begin(); at != row.end(); ++at) {
        if (std::find(at + 1, row.end(), *at) != row.end()) return true;
    }
    return false;
}

// Draws of up to two numbers: few enough (at most 1,225) to count entry by entry. Only a row
// that holds some number twice can score three hits with them, so only those rows are scanned.
template <class Visit>
void forEachSmallDraw(const SystemTable& system, int blockSize, Visit& visit) {
    std::vector<SystemRow> repeating;
    std::copy_if(system.rows().begin(), system.rows().end(), std::back_inserter(repeating),
                 repeatsANumber);
    const auto count = [&](std::span<const int> draw) {
        visit(draw, countRowByRow(repeating, draw));
    };
    if (blockSize == 0) {
        count({});
        return;
    }
    for (int a = 1; a <= system.highestNumber(); ++a) {
        const std::array<int, 1> single{a};
        if (blockSize == 1) {
            count(single);
            continue;
        }
        for (int b = a + 1; b <= system.highestNumber(); ++b) {
            const std::array<int, 2> pair{a, b};
            count(pair);
        }
    }
}

// The walk behind both entry points; `visit` is inlined into the fast walk.
template <class Visit>
void walkDraws(const SystemTable& system, int blockSize, Visit& visit) {
    if (blockSize < 0 || blockSize > NUMBERS_PER_ROW || system.highestNumber() < blockSize) return;
    if (blockSize < 3) {
        forEachSmallDraw(system, blockSize, visit);
        return;
    }
    auto report = [&](const fast::Draw& draw, std::uint64_t moments) {
        visit(std::span<const int>(draw.data(), std::size_t(blockSize)),
              hitCountsFromMoments(moments));
    };
    ProgressObserver silent;
    fast::DrawWalk(system, blockSize, silent, report).run();
}

// Instantiated twice so that a walk without row totals does not pay for them per draw.
template <bool countRowTotals>
BlockHitSummary summarise(const SystemTable& system, int blockSize) {
    BlockHitSummary summary;
    auto add = [&summary](std::span<const int>, const DrawHitCounts& counts) {
        ++summary.draws;
        // The first non-zero count, or 4 for none, without a branch that hit counts would
        // mislead: bit 7 - i of `ranks` marks counts[i].
        const unsigned ranks = unsigned(counts[0] != 0) << 7 | unsigned(counts[1] != 0) << 6 |
                               unsigned(counts[2] != 0) << 5 | unsigned(counts[3] != 0) << 4;
        ++summary.drawsWithBest[std::size_t(std::min(std::countl_zero(std::uint8_t(ranks)), 4))];
        if constexpr (countRowTotals) {
            for (std::size_t i = 0; i < counts.size(); ++i) summary.rowsWith[i] += counts[i];
        }
    };
    walkDraws(system, blockSize, add);
    return summary;
}

}  // namespace

void forEachDrawHitCounts(
    const SystemTable& system, int blockSize,
    const std::function<void(std::span<const int> draw, const DrawHitCounts& counts)>& visit) {
    walkDraws(system, blockSize, visit);
}

BlockHitSummary summariseDrawHitCounts(const SystemTable& system, int blockSize,
                                       RowTotals rowTotals) {
    return rowTotals == RowTotals::Count ? summarise<true>(system, blockSize)
                                         : summarise<false>(system, blockSize);
}

}  // namespace lorvex
