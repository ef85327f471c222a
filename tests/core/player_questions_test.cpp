#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/analysis/fast/fast_engine.h"
#include "core/questions/coverage.h"
#include "core/questions/draw_odds.h"
#include "core/questions/prize_classes.h"
#include "core/system/system_text.h"

namespace lorvex {
namespace {

// Brute force, written without the engines: every draw of k numbers, every row, every entry.
std::array<std::int32_t, 7> hitsOf(const SystemTable& system, const std::vector<int>& draw) {
    std::array<std::int32_t, 7> rowsWith{};
    for (const SystemRow& row : system.rows()) {
        int hits = 0;
        for (const int number : row) hits += std::count(draw.begin(), draw.end(), number) > 0;
        ++rowsWith[hits];
    }
    return rowsWith;
}

void forEachDraw(int m, int k, const std::function<void(const std::vector<int>&)>& visit,
                 std::vector<int> draw = {}) {
    if (int(draw.size()) == k) {
        visit(draw);
        return;
    }
    for (int next = draw.empty() ? 1 : draw.back() + 1; next <= m; ++next) {
        draw.push_back(next);
        forEachDraw(m, k, visit, draw);
        draw.pop_back();
    }
}

std::int64_t choose(int n, int r) {
    if (r < 0 || n < r) return 0;
    std::int64_t value = 1;
    for (int i = 1; i <= r; ++i) value = value * (n - r + i) / i;
    return value;
}

struct SystemCase {
    const char* name;
    std::vector<std::string> lines;
};

SystemTable load(const SystemCase& system) {
    SystemTable table;
    for (const std::string& line : system.lines) table.appendRow(*parseSystemLine(line));
    table.sortRows();
    return table;
}

class PlayerQuestionsTest : public testing::TestWithParam<SystemCase> {};

TEST_P(PlayerQuestionsTest, HitCountsOfEveryDrawSizeMatchBruteForce) {
    const SystemTable system = load(GetParam());
    for (int k = 0; k <= 6; ++k) {
        std::vector<std::vector<int>> expected;
        forEachDraw(system.highestNumber(), k, [&](const auto& draw) { expected.push_back(draw); });
        std::size_t visited = 0;
        forEachDrawHitCounts(system, k, [&](std::span<const int> draw, const Outcome& got) {
            ASSERT_LT(visited, expected.size());
            const std::vector<int>& want = expected[visited++];
            ASSERT_TRUE(std::equal(draw.begin(), draw.end(), want.begin(), want.end()));
            const auto rowsWith = hitsOf(system, want);
            // Hits above k count too: only rows with a repeated number reach them.
            for (int h = 6; h >= 3; --h) EXPECT_EQ(got.hits(h), rowsWith[h]) << k;
        });
        EXPECT_EQ(visited, expected.size()) << "k = " << k;
    }
}

TEST_P(PlayerQuestionsTest, CoverageMatchesBruteForce) {
    const SystemTable system = load(GetParam());
    for (int k = 3; k <= 6; ++k) {
        const std::optional<BlockCoverage> coverage = computeCoverage(system, k);
        ASSERT_EQ(coverage.has_value(), system.highestNumber() >= k);
        if (!coverage) continue;
        std::array<std::int64_t, 7> atLeast{};
        forEachDraw(system.highestNumber(), k, [&](const auto& draw) {
            const auto rowsWith = hitsOf(system, draw);
            // As in the hit table, a row with more hits than the block holds counts nowhere.
            for (int t = 3; t <= 6; ++t) {
                atLeast[t] += std::any_of(rowsWith.begin() + t, rowsWith.begin() + k + 1,
                                          [](std::int32_t rows) { return rows > 0; });
            }
        });
        EXPECT_EQ(coverage->draws, choose(system.highestNumber(), k));
        for (int t = 3; t <= 6; ++t) EXPECT_EQ(coverage->withAtLeast(t), atLeast[t]) << k << t;
    }
}

TEST_P(PlayerQuestionsTest, OddsOverAllRealDrawsMatchBruteForce) {
    const SystemTable system = load(GetParam());
    const int m = system.highestNumber();
    std::array<std::int64_t, 7> best{};
    std::array<std::int64_t, 7> rows{};
    std::int64_t draws = 0;
    std::int64_t bestTwo = 0;  // no row with 3 hits, one with 2
    for (int j = 0; j <= 6; ++j) {
        // The draws with exactly j numbers among 1..m: j of them, the rest from m + 1..49.
        const std::int64_t weight = choose(49 - m, 6 - j);
        forEachDraw(m, j, [&](const auto& draw) {
            const auto rowsWith = hitsOf(system, draw);
            // Only the hits up to j count, as in a block of the hit table.
            int top = j;
            while (top >= 3 && rowsWith[top] == 0) --top;
            best[std::max(top, 2)] += weight;
            if (top == 2 && rowsWith[2] > 0) bestTwo += weight;
            for (int h = 3; h <= j; ++h) rows[h] += weight * rowsWith[h];
            draws += weight;
        });
    }
    ASSERT_EQ(draws, LOTTERY_DRAWS);
    const DrawOdds odds = computeDrawOdds(system);
    for (int h = 3; h <= 6; ++h) {
        EXPECT_EQ(odds.drawsWithBest(h), best[h]) << h;
        EXPECT_EQ(odds.rowsWith(h), rows[h]) << h;
    }
    EXPECT_EQ(odds.withoutWin, best[2]);
    const bool sixDistinct = std::all_of(system.rows().begin(), system.rows().end(), [](auto row) {
        std::sort(row.begin(), row.end());
        return std::adjacent_find(row.begin(), row.end()) == row.end();
    });
    ASSERT_EQ(odds.withBestTwo.has_value(), sixDistinct);
    if (!sixDistinct) return;
    EXPECT_EQ(*odds.withBestTwo, bestTwo);
    // The classes split all draws and Superzahlen: those without a win are the rest.
    const auto byClass = *drawsByBestClass(odds);
    EXPECT_EQ(byClass[0] * 9, byClass[1]);
    EXPECT_EQ(byClass[8], bestTwo);
    std::int64_t won = 0;
    for (const std::int64_t count : byClass) won += count;
    EXPECT_EQ(LOTTERY_DRAWS * 10 - won, (best[2] - bestTwo) * 10 + bestTwo * 9);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, PlayerQuestionsTest,
    testing::Values(
        SystemCase{"OneRow", {"1 2 3 4 5 6"}},
        SystemCase{"CoveringOfSevenNumbers", {"1 2 3 4 5 6", "1 2 3 4 5 7", "2 3 4 5 6 7"}},
        SystemCase{"RepeatedNumbersScoreAboveTheDraw",
                   {"1 1 1 2 3 4", "2 2 5 5 6 6", "7 7 7 7 7 7", "3 3 4 8 9 9", "1 2 3 4 5 6"}},
        // Highest numbers below 6: the blocks above them have no draw at all.
        SystemCase{"HighestNumberOne", {"1 1 1 1 1 1"}},
        SystemCase{"HighestNumberThree", {"1 1 1 1 1 1", "1 2 2 2 2 2", "3 3 3 1 1 2"}},
        SystemCase{"HighestNumberFive", {"1 2 3 4 5 5", "5 5 5 4 4 1", "2 2 2 3 3 3"}},
        SystemCase{"GapsBelowTheNumbersUsed", {"11 12 13 14 15 16", "11 11 12 12 13 13"}},
        SystemCase{"SameRowTwice", {"4 8 9 11 13 14", "4 8 9 11 13 14"}}),
    [](const testing::TestParamInfo<SystemCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lorvex
