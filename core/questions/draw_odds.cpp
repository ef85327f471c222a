#include "core/questions/draw_odds.h"

#include <algorithm>
#include <bit>

#include "core/analysis/fast/fast_engine.h"
#include "core/maths/binomial.h"

namespace lorvex {

namespace {

using NumberSet = std::uint64_t;  // bit n for the system number n + 1

// The sets of `size` numbers among `candidates` with no two of them in one row: the draws in
// which no row scores 2. `together[n]` holds the numbers that share a row with n.
std::int64_t setsWithoutPair(const std::array<NumberSet, MAX_SYSTEM_NUMBER>& together,
                             NumberSet candidates, int size) {
    if (size == 0) return 1;
    if (size == 1) return std::popcount(candidates);
    std::int64_t sets = 0;
    while (candidates != 0) {
        const int n = std::countr_zero(candidates);
        candidates &= candidates - 1;
        sets += setsWithoutPair(together, candidates & ~together[std::size_t(n)], size - 1);
    }
    return sets;
}

struct RowPairs {
    std::array<NumberSet, MAX_SYSTEM_NUMBER> together{};
    NumberSet twiceInARow = 0;
};

RowPairs pairsInRows(const SystemTable& system) {
    RowPairs pairs;
    for (const SystemRow& row : system.rows()) {
        NumberSet numbers = 0;
        for (const std::int32_t number : row) {
            const NumberSet bit = NumberSet{1} << (number - 1);
            if (numbers & bit) pairs.twiceInARow |= bit;
            numbers |= bit;
        }
        for (const std::int32_t number : row)
            pairs.together[std::size_t(number - 1)] |= numbers & ~(NumberSet{1} << (number - 1));
    }
    return pairs;
}

}  // namespace

DrawOdds computeDrawOdds(const SystemTable& system) {
    DrawOdds odds;
    const int m = system.highestNumber();
    const RowPairs pairs = pairsInRows(system);
    const NumberSet systemNumbers = (NumberSet{1} << m) - 1;  // m is at most 49
    if (pairs.twiceInARow == 0) odds.withBestTwo = 0;
    for (int j = 0; j <= std::min(NUMBERS_PER_ROW, m); ++j) {
        const auto weight = std::int64_t(binomial(MAX_SYSTEM_NUMBER - m, NUMBERS_PER_ROW - j));
        if (weight == 0) continue;  // with 49 system numbers every real draw has six of them
        const BlockHitSummary summary = summariseDrawHitCounts(system, j, RowTotals::Count);
        for (std::size_t i = 0; i < odds.bestRank.size(); ++i) {
            odds.bestRank[i] += weight * summary.drawsWithBest[i];
            odds.winningRows[i] += weight * summary.rowsWith[i];
        }
        odds.withoutWin += weight * summary.drawsWithBest.back();
        if (odds.withBestTwo) {
            *odds.withBestTwo += weight * (summary.drawsWithBest.back() -
                                           setsWithoutPair(pairs.together, systemNumbers, j));
        }
    }
    return odds;
}

}  // namespace lorvex
