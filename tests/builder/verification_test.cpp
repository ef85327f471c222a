#include "builder/design/verification.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <vector>

#include "builder/design/bounds.h"
#include "builder/design/subsets.h"

namespace lorvex::builder {
namespace {

struct SmallCase {
    int points, blockSize, drawSize, guarantee, rows;
    Block required;
};

std::string caseName(const testing::TestParamInfo<SmallCase>& info) {
    const SmallCase& c = info.param;
    return "v" + std::to_string(c.points) + "_k" + std::to_string(c.blockSize) + "_m" +
           std::to_string(c.drawSize) + "_t" + std::to_string(c.guarantee) + "_rows" +
           std::to_string(c.rows) + "_required" + std::to_string(std::popcount(c.required));
}

std::vector<Block> randomRows(const SmallCase& c, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::vector<Block> rows;
    while (int(rows.size()) < c.rows) {
        Block row = 0;
        while (std::popcount(row) < c.blockSize) row |= Block{1} << (random() % c.points);
        rows.push_back(row);
    }
    return rows;
}

// The definition itself: a draw is missed when no row meets it in `guarantee` points.
std::uint64_t bruteForceMissed(const SmallCase& c, const std::vector<Block>& rows) {
    std::uint64_t missed = 0;
    for (Block draw = 0; draw < (Block{1} << c.points); ++draw) {
        if (std::popcount(draw) != c.drawSize || (draw & c.required) != c.required) continue;
        bool met = false;
        for (const Block row : rows) met = met || std::popcount(row & draw) >= c.guarantee;
        missed += met ? 0 : 1;
    }
    return missed;
}

class VerificationTest : public testing::TestWithParam<SmallCase> {};

TEST_P(VerificationTest, CountsTheDrawsThatBruteForceMisses) {
    const SmallCase& c = GetParam();
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const std::vector<Block> rows = randomRows(c, seed);
        EXPECT_EQ(verifyRows(c.points, rows, c.required, c.drawSize, c.guarantee).missed,
                  bruteForceMissed(c, rows))
            << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(SmallDesigns, VerificationTest,
                         testing::Values(SmallCase{9, 6, 3, 3, 5, 0}, SmallCase{10, 6, 5, 4, 6, 0},
                                         SmallCase{11, 6, 6, 3, 2, 0},
                                         SmallCase{12, 6, 5, 4, 8, 0b11},
                                         SmallCase{8, 4, 4, 2, 3, 0b1000},
                                         SmallCase{10, 6, 6, 6, 40, 0b101}),
                         caseName);

TEST(LowerBounds, MatchTheKnownValues) {
    // Schönheim is met by the Steiner systems and the projective plane.
    EXPECT_EQ(schoenheimBound(12, 6, 5), 132u);
    EXPECT_EQ(schoenheimBound(22, 6, 3), 77u);
    EXPECT_EQ(schoenheimBound(24, 6, 5), 7084u);
    EXPECT_EQ(schoenheimBound(31, 6, 2), 31u);
    EXPECT_EQ(schoenheimBound(9, 6, 3), 6u);
    // 3 if 6 on 13 numbers: a row reaches 1058 of the 1716 draws, so two rows at least.
    EXPECT_EQ(lowerBound({13, 6, 6, 3}), 2u);
    EXPECT_EQ(lowerBound({9, 6, 4, 3}), 2u);
}

}  // namespace
}  // namespace lorvex::builder
