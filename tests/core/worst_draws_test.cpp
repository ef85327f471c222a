#include "core/questions/worst_draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace lorvex {
namespace {

using Draw = std::array<int, 6>;

// Brute force, written without the engine: every draw, every row, every entry.
WorstDraws bruteForce(const SystemTable& system, int k) {
    WorstDraws worst;
    std::array<std::int32_t, 4> worstCounts{};
    std::vector<int> draw(k);
    const int m = system.highestNumber();
    std::vector<bool> chosen(m, false);
    std::fill(chosen.begin(), chosen.begin() + std::min(k, m), true);
    if (k > m) return worst;
    do {
        int n = 0;
        for (int v = 0; v < m; ++v) {
            if (chosen[v]) draw[n++] = v + 1;
        }
        std::array<std::int32_t, 4> counts{};
        for (const SystemRow& row : system.rows()) {
            int hits = 0;
            for (const int number : row) hits += std::count(draw.begin(), draw.end(), number) > 0;
            if (hits >= 3 && hits <= k) ++counts[6 - hits];
        }
        ++worst.total;
        if (worst.total > 1 && counts > worstCounts) continue;
        if (worst.total == 1 || counts < worstCounts) {
            worstCounts = counts;
            worst.count = 0;
            worst.firstDraws.clear();
        }
        ++worst.count;
        Draw listed{};
        std::copy(draw.begin(), draw.end(), listed.begin());
        worst.firstDraws.push_back(listed);
    } while (std::prev_permutation(chosen.begin(), chosen.end()));
    return worst;
}

TEST(WorstDraws, MatchesBruteForceOnRandomSmallSystems) {
    std::mt19937 random(20261207);
    for (int trial = 0; trial < 40; ++trial) {
        const int m = 3 + static_cast<int>(random() % 10);
        SystemTable system;
        const int rows = 1 + static_cast<int>(random() % 12);
        for (int r = 0; r < rows; ++r) {
            SystemRow row{};
            for (auto& number : row) number = 1 + static_cast<int>(random() % m);
            system.appendRow(row);
        }
        system.sortRows();
        for (const int k : {6, 5, 4, 3}) {
            const WorstDraws expected = bruteForce(system, k);
            const WorstDraws all = findWorstDraws(system, k, 0);
            EXPECT_EQ(all.count, expected.count) << "trial " << trial << " k " << k;
            EXPECT_EQ(all.total, expected.total);
            EXPECT_EQ(all.firstDraws, expected.firstDraws);
            const WorstDraws two = findWorstDraws(system, k, 2);
            EXPECT_EQ(two.count, expected.count);
            EXPECT_EQ(two.firstDraws.size(), std::min<std::size_t>(2, expected.firstDraws.size()));
        }
    }
}

TEST(WorstDraws, SingleRowOfTwelveNumbers) {
    // The worst five-number draws meet the row 1..6 in at most two numbers:
    // C(6,0)C(6,5) + C(6,1)C(6,4) + C(6,2)C(6,3) = 6 + 90 + 300 of C(12,5) = 792.
    SystemTable system;
    system.appendRow({1, 2, 3, 4, 5, 6});
    system.appendRow({12, 12, 12, 12, 12, 12});
    const WorstDraws worst = findWorstDraws(system, 5, 1);
    EXPECT_EQ(worst.total, 792);
    // A draw holding 12 gives the second row six hits, which is no part of a five block's outcome.
    EXPECT_EQ(worst.count, 396);
    ASSERT_EQ(worst.firstDraws.size(), 1u);
    EXPECT_EQ(worst.firstDraws.front(), (Draw{1, 2, 7, 8, 9, 0}));
}

}  // namespace
}  // namespace lorvex
