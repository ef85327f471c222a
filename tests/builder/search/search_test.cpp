#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "builder/design/design.h"
#include "builder/search/coverage_state.h"
#include "builder/search/random.h"

namespace lorvex::builder {
namespace {

std::string shapeName(const DesignShape& shape) {
    return "v" + std::to_string(shape.points) + "k" + std::to_string(shape.blockSize) + "m" +
           std::to_string(shape.drawSize) + "t" + std::to_string(shape.guarantee);
}

// Every draw tried against every row, sharing nothing with the search's bookkeeping.
std::uint64_t holesByBruteForce(const DesignShape& shape, const std::vector<Block>& rows,
                                const std::vector<Block>& fixed = {}) {
    std::uint64_t holes = 0;
    const Block limit = Block{1} << shape.points;
    for (Block draw = 0; draw < limit; ++draw) {
        if (std::popcount(draw) != shape.drawSize) continue;
        bool covered = false;
        for (const auto* list : {&rows, &fixed})
            for (Block row : *list) covered |= std::popcount(row & draw) >= shape.guarantee;
        holes += covered ? 0 : 1;
    }
    return holes;
}

std::vector<Block> allRows(const DesignShape& shape) {
    std::vector<Block> rows;
    for (Block row = 0; row < (Block{1} << shape.points); ++row)
        if (std::popcount(row) == shape.blockSize) rows.push_back(row);
    return rows;
}

SearchLimits quickLimits(std::size_t lowerBound, int threads = 1) {
    SearchLimits limits;
    limits.deadline = Deadline::in(std::chrono::seconds(20));
    limits.lowerBound = lowerBound;
    limits.threads = threads;
    return limits;
}

// Every (guarantee - 1)-subset of the first row lists exactly the rows holding it.
void expectRowIndexRight(const search::CoverageState& state) {
    const std::vector<Block>& rows = state.rows();
    search::forEachSubsetJoined(rows[0], state.shape().guarantee - 1, 0, [&](Block subset) {
        std::vector<std::uint32_t> listed(state.rowsThrough(subset).begin(),
                                          state.rowsThrough(subset).end());
        std::sort(listed.begin(), listed.end());
        std::vector<std::uint32_t> holding;
        for (std::uint32_t row = 0; row < rows.size(); ++row)
            if ((rows[row] & subset) == subset) holding.push_back(row);
        EXPECT_EQ(listed, holding);
    });
}

// Runs of the same seed depend on the order of the visits: each subset once, lexicographic.
TEST(ForEachSubsetJoined, VisitsEverySubsetOnceInLexicographicOrder) {
    const auto before = [](Block a, Block b) { return (lowestPoint(a ^ b) & a) != 0; };
    for (const Block set : {Block{0b1011'0110'1101}, Block{0x0f0f'00ff'0000'1234}})
        for (int size = 1; size <= 3; ++size) {
            std::vector<Block> seen;
            search::forEachSubsetJoined(set, size, 0, [&](Block s) { seen.push_back(s); });
            EXPECT_EQ(seen.size(), binomial(std::popcount(set), size));
            EXPECT_TRUE(std::ranges::all_of(
                seen, [&](Block s) { return (s & ~set) == 0 && std::popcount(s) == size; }));
            EXPECT_EQ(std::ranges::adjacent_find(seen, std::not_fn(before)), seen.end());
        }
}

class CoverageStateTest : public testing::TestWithParam<DesignShape> {};

// The incremental count agrees with the brute force after every kind of change.
TEST_P(CoverageStateTest, CountsHolesLikeBruteForce) {
    const DesignShape shape = GetParam();
    search::Random random(7);
    const auto randomRow = [&] {
        Block row = 0;
        while (std::popcount(row) < shape.blockSize)
            row |= Block{1} << random.below(std::uint32_t(shape.points));
        return row;
    };
    const std::vector<Block> fixed{randomRow()};
    search::CoverageState state(shape, fixed, {randomRow(), randomRow(), randomRow()});
    const std::vector<std::uint32_t> weights(state.drawCount(), 1);
    for (int step = 0; step < 60; ++step) {
        const std::size_t row = random.below(std::uint32_t(state.rows().size()));
        const Block block = state.rows()[row];
        if (step % 10 == 3) {
            const std::uint64_t before = state.uncoveredCount();
            state.remove(row);
            ASSERT_EQ(state.uncoveredCount(), holesByBruteForce(shape, state.rows(), fixed));
            state.add(block);
            ASSERT_EQ(state.uncoveredCount(), before);
            continue;
        }
        const int out = std::countr_zero(block);
        const int in = std::countr_zero(~block);
        if (in >= shape.points) continue;
        const std::uint64_t before = state.uncoveredCount();
        // With all weights 1 the predicted change is the change.
        std::array<long, 6> predicted{};
        if (state.hasCheapDelta()) state.swapDeltas(row, in, weights, predicted);
        const long counted = state.hasCheapDelta() ? 0 : state.replaceDelta(row, out, in);
        const long delta = state.replace(row, out, in);
        if (state.hasCheapDelta()) {
            ASSERT_EQ(predicted[0], delta);
        } else {
            ASSERT_EQ(counted, delta);
        }
        ASSERT_EQ(long(state.uncoveredCount()) - long(before), delta);
        ASSERT_EQ(state.uncoveredCount(), holesByBruteForce(shape, state.rows(), fixed));
        if (state.indexesRows()) expectRowIndexRight(state);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, CoverageStateTest,
                         testing::Values(DesignShape{9, 4, 3, 3}, DesignShape{10, 5, 5, 3},
                                         DesignShape{11, 6, 6, 2}, DesignShape{8, 3, 4, 1},
                                         DesignShape{12, 6, 5, 5}, DesignShape{12, 6, 6, 5},
                                         DesignShape{11, 6, 4, 3}),
                         [](const auto& info) { return shapeName(info.param); });

// The Fano plane covers every pair of seven points with seven lines.
const std::vector<Block> fano{0b0001011, 0b0010110, 0b0101100, 0b1011000,
                              0b0110001, 0b1100010, 0b1000101};

struct KnownSize {
    DesignShape shape;
    std::size_t rows;
};

class ShrinkTest : public testing::TestWithParam<KnownSize> {};

// From every possible row down to the known minimum, with no hole left.
TEST_P(ShrinkTest, ReachesKnownMinimum) {
    const auto [shape, rows] = GetParam();
    const std::vector<Block> design =
        shrinkDesign(shape, allRows(shape), {}, quickLimits(rows, /*threads=*/2));
    EXPECT_EQ(design.size(), rows);
    EXPECT_EQ(holesByBruteForce(shape, design), 0u);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShrinkTest,
                         testing::Values(KnownSize{{9, 6, 4, 3}, 3}, KnownSize{{9, 6, 6, 5}, 7},
                                         KnownSize{{11, 6, 6, 3}, 2}, KnownSize{{9, 6, 3, 3}, 7},
                                         KnownSize{{10, 6, 4, 4}, 20}),
                         [](const auto& info) { return shapeName(info.param.shape); });

// Fixed rows count towards the guarantee: with the other half of a covering fixed, the rest
// fills the holes.
TEST(BestWithRows, FillsHolesAroundFixedRows) {
    const DesignShape shape{7, 3, 2, 2};
    const std::vector<Block> fixed(fano.begin(), fano.begin() + 4);
    const SearchResult result = bestWithRows(shape, 3, {}, fixed, quickLimits(0));
    EXPECT_EQ(result.blocks.size(), 3u);
    EXPECT_EQ(result.uncoveredDraws, 0u);
    EXPECT_EQ(holesByBruteForce(shape, result.blocks, fixed), 0u);
}

// Fixed rows are not returned, yet shrinking counts on them.
TEST(ShrinkDesign, KeepsFixedRowsOut) {
    const DesignShape shape{7, 3, 2, 2};
    const std::vector<Block> fixed(fano.begin(), fano.begin() + 4);
    const std::vector<Block> design = shrinkDesign(shape, allRows(shape), fixed, quickLimits(3));
    EXPECT_EQ(design.size(), 3u);
    EXPECT_EQ(holesByBruteForce(shape, design, fixed), 0u);
}

// The same seed and the same work give the same rows.
TEST(BestWithRows, RepeatsItselfForOneSeed) {
    const DesignShape shape{11, 6, 3, 3};
    const auto once = [&] { return bestWithRows(shape, 12, {}, {}, quickLimits(0)); };
    const SearchResult first = once();
    EXPECT_EQ(first.uncoveredDraws, holesByBruteForce(shape, first.blocks));
    EXPECT_EQ(first.blocks, once().blocks);
}

}  // namespace
}  // namespace lorvex::builder
