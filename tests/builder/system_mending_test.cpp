#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "builder/job/win_table.h"
#include "builder/systems/budget.h"
#include "builder/systems/system_builder.h"
#include "builder/systems/system_mending.h"

namespace lorvex::builder {
namespace {

BuildOptions quick() {
    BuildOptions options;
    options.deadline = Deadline::in(std::chrono::seconds(1));
    return options;
}

// C(12,6,5) = 132 rows, the Steiner system S(5,6,12): every 5-set in exactly one row.
std::vector<Row> steinerRows() {
    const BuiltSystem built = buildSystem({12, 5, 5, {}}, quick());
    EXPECT_EQ(built.rows.size(), 132u);
    return built.rows;
}

bool holdsAll(const std::vector<Row>& rows, const std::vector<Row>& part) {
    return std::all_of(part.begin(), part.end(), [&](Row row) {
        return std::find(rows.begin(), rows.end(), row) != rows.end();
    });
}

// Each removed row alone held its five 5-sets, so the bound is exactly the rows removed.
TEST(SystemMending, PlugKeepsTheRowsAndAddsNoMoreThanWereRemoved) {
    std::vector<Row> rows = steinerRows();
    rows.erase(rows.begin() + 40, rows.begin() + 50);
    const MendedSystem plugged = plugSystem({12, 5, 5, {}}, rows, quick());
    EXPECT_TRUE(plugged.proof.met());
    EXPECT_EQ(plugged.given.missed, 60u);
    EXPECT_TRUE(holdsAll(plugged.rows, rows));
    EXPECT_EQ(plugged.addedLowerBound, 10u);
    EXPECT_EQ(plugged.newRows, 10u);
}

TEST(SystemMending, TrimComesBackToTheCoveringsSize) {
    std::vector<Row> rows = steinerRows();
    std::mt19937 random(5);
    for (int extra = 0; extra < 20; ++extra) {
        std::vector<int> numbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        std::shuffle(numbers.begin(), numbers.end(), random);
        Block row = 0;
        for (int i = 0; i < 6; ++i) row |= Block{1} << (numbers[std::size_t(i)] - 1);
        rows.insert(rows.begin() + extra * 6, Row{row});
    }
    const MendedSystem trimmed = trimSystem({12, 5, 5, {}}, rows, quick());
    EXPECT_TRUE(trimmed.proof.met());
    EXPECT_LE(trimmed.rows.size(), 132u);
}

TEST(SystemMending, TrimLeavesASystemWithoutTheGuaranteeAsItIs) {
    std::vector<Row> rows = steinerRows();
    rows.pop_back();
    const MendedSystem trimmed = trimSystem({12, 5, 5, {}}, rows, quick());
    EXPECT_EQ(trimmed.given.missed, 6u);
    EXPECT_EQ(trimmed.rows, rows);
}

// No 20 rows meet more than 120 of the 792 5-sets; greedy rows stop at 120 too, the best of
// 1,000 random systems at 119.
TEST(SystemMending, BudgetWritesTheRowsThatMissTheFewestDraws) {
    const BuiltSystem built = buildWithinRows({12, 5, 5, {}}, 20, quick());
    EXPECT_EQ(built.rows.size(), 20u);
    EXPECT_LE(built.proof.missed, 792u - 120u);
    EXPECT_TRUE(buildWithinRows({12, 5, 5, {}}, 200, quick()).proof.met());
}

TEST(SystemMending, ProblemsOfTheGivenRows) {
    const BuildRequest request{10, 3, 4, {2}};
    const auto problem = [&](Block row) {
        return mendingProblem(request, std::vector<Row>{{row}}).value_or("");
    };
    EXPECT_EQ(problem(0b111111), "");
    EXPECT_NE(problem(0b1111101).find("Bankzahlen"), std::string::npos);
    EXPECT_NE(problem(0b11111).find("sechs"), std::string::npos);
    EXPECT_NE(problem(0b11111 | Block{1} << 10).find("über 10"), std::string::npos);
}

// The guaranteed minimum is the worst draw, the best case the best: with five winning numbers
// among the twelve, S(5,6,12) gives exactly one 5er, never more.
TEST(WinTable, LeastAndBestFromTheExactAnalysis) {
    const std::vector<WinLine> lines = winTable(steinerRows(), 12);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].drawnAmong, 6);
    EXPECT_EQ(lines[0].best.hits(6), 1);
    EXPECT_EQ(lines[0].least.hits(6), 0);
    EXPECT_EQ(lines[0].least.hits(5), 6);
    EXPECT_EQ(lines[1].least.hits(5), 1);
    EXPECT_EQ(lines[1].best.hits(5), 1);
    EXPECT_NE(winTableText(lines).find("   5  schlechteste Ziehung     0     1    15    50\n"),
              std::string::npos);
}

}  // namespace
}  // namespace lorvex::builder
