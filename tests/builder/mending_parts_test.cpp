#include "builder/systems/mending_parts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <vector>

#include "builder/search/random.h"

namespace lorvex::builder {
namespace {

std::vector<Block> allSets(int points, int size) {
    std::vector<Block> sets;
    for (Block set = 0; set < (Block{1} << points); ++set)
        if (std::popcount(set) == size) sets.push_back(set);
    return sets;
}

// The draws no block meets in `guarantee` points, by trying every pair.
std::vector<Block> bruteHoles(const DesignShape& shape, const std::vector<Block>& blocks) {
    std::vector<Block> holes;
    for (const Block draw : allSets(shape.points, shape.drawSize)) {
        if (std::none_of(blocks.begin(), blocks.end(), [&](Block block) {
                return std::popcount(block & draw) >= shape.guarantee;
            }))
            holes.push_back(draw);
    }
    return holes;
}

std::vector<Block> randomBlocks(const DesignShape& shape, std::size_t count, std::uint64_t seed) {
    const std::vector<Block> candidates = allSets(shape.points, shape.blockSize);
    search::Random random(seed);
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < count; ++i)
        blocks.push_back(candidates[random.below(std::uint32_t(candidates.size()))]);
    return blocks;
}

// Few blocks mark the draws they meet, many look every draw up: both as brute force says.
TEST(MendingParts, HolesAreTheDrawsNoBlockMeets) {
    const DesignShape shape{10, 6, 5, 4};
    for (const std::size_t count : {1u, 3u, 12u, 60u}) {
        const std::vector<Block> blocks = randomBlocks(shape, count, count);
        std::vector<Block> expected = bruteHoles(shape, blocks);
        std::vector<Block> holes = holesOf(shape, blocks);
        std::sort(expected.begin(), expected.end());
        std::sort(holes.begin(), holes.end());
        EXPECT_EQ(holes, expected) << count << " blocks";
    }
}

// The fewest rows (up to three; four means more) that close every hole, by trying them all.
std::uint64_t leastClosingRows(const DesignShape& shape, const std::vector<Block>& holes) {
    if (holes.empty()) return 0;
    const std::vector<Block> rows = allSets(shape.points, shape.blockSize);
    const auto closes = [&](std::initializer_list<Block> chosen) {
        return std::all_of(holes.begin(), holes.end(), [&](Block hole) {
            return std::any_of(chosen.begin(), chosen.end(), [&](Block row) {
                return std::popcount(row & hole) >= shape.guarantee;
            });
        });
    };
    std::uint64_t least = 4;
    for (std::size_t a = 0; a < rows.size() && least > 1; ++a) {
        if (closes({rows[a]})) least = 1;
        for (std::size_t b = a + 1; b < rows.size() && least > 2; ++b) {
            if (closes({rows[a], rows[b]})) least = 2;
            for (std::size_t c = b + 1; c < rows.size() && least > 3; ++c)
                if (closes({rows[a], rows[b], rows[c]})) least = 3;
        }
    }
    return least;
}

// The bound never exceeds the fewest rows that really close the holes.
TEST(MendingParts, AddedRowsBoundIsNeverAboveTheTrueLeast) {
    const DesignShape lotto{9, 6, 5, 4};
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        const std::vector<Block> holes = bruteHoles(lotto, randomBlocks(lotto, 4, seed));
        EXPECT_LE(addedRowsBound(lotto, holes), leastClosingRows(lotto, holes)) << seed;
    }
    // Every row but those holding one of three 5-sets that no row holds two of: three rows.
    const DesignShape covering{9, 6, 5, 5};
    const Block sets[] = {0b000011111, 0b011110001, 0b110101010};
    std::vector<Block> rows = allSets(9, 6);
    std::erase_if(rows, [&](Block row) {
        return std::any_of(std::begin(sets), std::end(sets),
                           [&](Block set) { return (row & set) == set; });
    });
    const std::vector<Block> holes = bruteHoles(covering, rows);
    ASSERT_EQ(leastClosingRows(covering, holes), 3u);
    EXPECT_EQ(addedRowsBound(covering, holes), 3u);
}

// What is left covers every draw the rows covered, and each row left is needed.
TEST(MendingParts, RedundantRowsGoAndNeededRowsStay) {
    const DesignShape shape{10, 6, 4, 3};
    const Deadline farAway = Deadline::in(std::chrono::hours(1));
    for (const std::size_t count : {8u, 30u}) {
        const std::vector<Block> blocks = randomBlocks(shape, count, 40 + count);
        const std::vector<Block> kept = withoutRedundantRows(shape, blocks, farAway);
        EXPECT_EQ(bruteHoles(shape, kept), bruteHoles(shape, blocks));
        for (std::size_t i = 0; i < kept.size(); ++i) {
            EXPECT_NE(std::count(blocks.begin(), blocks.end(), kept[i]), 0);
            std::vector<Block> without = kept;
            without.erase(without.begin() + std::ptrdiff_t(i));
            EXPECT_GT(bruteHoles(shape, without).size(), bruteHoles(shape, kept).size());
        }
    }
}

}  // namespace
}  // namespace lorvex::builder
