#include "builder/constructions/constructions.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <functional>
#include <numeric>
#include <set>
#include <string>

#include "builder/constructions/algebraic_designs.h"
#include "builder/design/verification.h"
#include "builder/orbits/orbit_designs.h"

namespace lorvex::builder {
namespace {

std::string shapeName(const DesignShape& shape) {
    return "v" + std::to_string(shape.points) + "_k" + std::to_string(shape.blockSize) + "_m" +
           std::to_string(shape.drawSize) + "_t" + std::to_string(shape.guarantee);
}

bool allOfSize(const std::vector<Block>& blocks, int size) {
    for (const Block block : blocks) {
        if (std::popcount(block) != size) return false;
    }
    return true;
}

// Every set of `t` of the `v` points in exactly one block, counted by brute force apart from the
// builder's own proof: what makes these designs Steiner systems (and their size the record).
bool eachSetInExactlyOneBlock(const std::vector<Block>& blocks, int t, int v) {
    std::set<Block> seen;
    bool once = true;
    for (const Block block : blocks) {
        std::vector<Block> points;
        for (int p = 0; p < 64; ++p)
            if (block >> p & 1) points.push_back(Block{1} << p);
        const auto choose = [&](auto&& self, std::size_t from, int left, Block set) -> void {
            if (left == 0) {
                once = once && seen.insert(set).second;
                return;
            }
            for (std::size_t i = from; i < points.size(); ++i)
                self(self, i + 1, left - 1, set | points[i]);
        };
        choose(choose, 0, t, 0);
    }
    std::uint64_t all = 1;
    for (int i = 0; i < t; ++i) all = all * std::uint64_t(v - i) / std::uint64_t(i + 1);
    return once && seen.size() == all;
}

struct AlgebraicCase {
    const char* name;
    std::vector<Block> (*make)();
    DesignShape shape;
    std::size_t blocks;
};

class AlgebraicDesignTest : public testing::TestWithParam<AlgebraicCase> {};

TEST_P(AlgebraicDesignTest, HasTheRecordSizeAndCoversEveryDraw) {
    const AlgebraicCase& c = GetParam();
    const std::vector<Block> blocks = c.make();
    EXPECT_EQ(blocks.size(), c.blocks);
    EXPECT_TRUE(allOfSize(blocks, c.shape.blockSize));
    EXPECT_TRUE(verifyDesign(c.shape, blocks).met());
    EXPECT_TRUE(eachSetInExactlyOneBlock(blocks, c.shape.guarantee, c.shape.points));
}

INSTANTIATE_TEST_SUITE_P(
    Steiner, AlgebraicDesignTest,
    testing::Values(AlgebraicCase{"S5_6_12", steinerSystem5612, {12, 6, 5, 5}, 132},
                    AlgebraicCase{"S3_6_22", steinerSystem3622, {22, 6, 3, 3}, 77},
                    AlgebraicCase{"S5_6_24", steinerSystem5624, {24, 6, 5, 5}, 7084},
                    AlgebraicCase{"PG2_5", projectivePlane5, {31, 6, 2, 2}, 31}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AlgebraicDesign, DerivedDesignsKeepTheirSize) {
    // The blocks of S(3,6,22) through a point form the projective plane of order 4.
    const auto plane4 = algebraicDesign({21, 5, 2, 2});
    ASSERT_TRUE(plane4.has_value());
    EXPECT_EQ(plane4->size(), 21u);
    EXPECT_TRUE(verifyDesign({21, 5, 2, 2}, *plane4).met());
    EXPECT_FALSE(algebraicDesign({21, 6, 3, 3}).has_value());
}

class ConstructionTest : public testing::TestWithParam<DesignShape> {};

// Every construction's design, the recursive and the partition ones over smaller results
// included, is checked on its own.
TEST_P(ConstructionTest, EveryCandidateCoversEveryDraw) {
    const DesignShape shape = GetParam();
    DesignConstructor constructor(Deadline::in(std::chrono::seconds(1)), 7);
    const std::vector<Candidate> candidates = constructor.candidates(shape);
    ASSERT_FALSE(candidates.empty());
    for (const Candidate& candidate : candidates) {
        EXPECT_TRUE(allOfSize(candidate.blocks, shape.blockSize)) << candidate.method;
        EXPECT_TRUE(verifyDesign(shape, candidate.blocks).met()) << candidate.method;
    }
}

// A design on one point more, its last point dropped, still meets every draw of the shape.
TEST_P(ConstructionTest, OnePointFewerKeepsItsSizeAndTheGuarantee) {
    const DesignShape shape = GetParam();
    DesignShape larger = shape;
    ++larger.points;
    DesignConstructor constructor(Deadline{}, 7);
    const std::vector<Block>& blocks = constructor.best(larger);
    const std::vector<Block> fewer = withoutLastPoint(larger.points, blocks);
    EXPECT_EQ(fewer.size(), blocks.size());
    EXPECT_TRUE(allOfSize(fewer, shape.blockSize));
    EXPECT_LE(
        std::bit_width(std::accumulate(fewer.begin(), fewer.end(), Block{0}, std::bit_or<>())),
        shape.points);
    EXPECT_TRUE(verifyDesign(shape, fewer).met());
}

INSTANTIATE_TEST_SUITE_P(Shapes, ConstructionTest,
                         testing::Values(DesignShape{9, 6, 3, 3}, DesignShape{14, 6, 4, 4},
                                         DesignShape{16, 6, 5, 3}, DesignShape{20, 6, 6, 4},
                                         DesignShape{13, 6, 6, 3}, DesignShape{11, 4, 4, 2},
                                         DesignShape{25, 6, 5, 3}),
                         [](const auto& info) { return shapeName(info.param); });

TEST(Constructions, PartitionOfTwoCoveringsGivesThreeIfSixOnFortyNine) {
    DesignConstructor constructor(Deadline{}, 1);
    const DesignShape lotto{49, 6, 6, 3};
    const std::vector<Block>& blocks = constructor.best(lotto);
    EXPECT_LE(blocks.size(), 246u);
    EXPECT_TRUE(verifyDesign(lotto, blocks).met());
}

}  // namespace
}  // namespace lorvex::builder
