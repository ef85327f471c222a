#include "core/analysis/hit_analysis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lorvex {
namespace {

using Cells = std::vector<std::string>;

SystemTable systemOf(std::initializer_list<SystemRow> rows) {
    SystemTable table;
    for (const SystemRow& row : rows) table.appendRow(row);
    table.sortRows();
    return table;
}

std::vector<Cells> cellsOf(const HitTable& table) {
    std::vector<Cells> rows;
    for (const HitRow& row : table.rows()) {
        Cells& cells = rows.emplace_back();
        for (int column = 0; column < HIT_COLUMNS; ++column)
            cells.push_back(hitCellText(row, static_cast<HitColumn>(column)));
    }
    return rows;
}

class HitAnalysisTest : public testing::TestWithParam<AnalysisEngine> {
protected:
    HitTable analyse(const SystemTable& system, std::initializer_list<int> blocks) {
        HitTable hits;
        HitAnalysis analysis(system, hits, GetParam());
        for (const int k : blocks) analysis.run(k);
        return hits;
    }
};

TEST_P(HitAnalysisTest, TwoRowExampleGivesElevenRows) {
    const HitTable hits = analyse(systemOf({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}}), {6, 5, 4, 3});
    const std::vector<Cells> expected = {
        {"6", "1", "1", "", "", "2", "28.571"},  {"6", "", "2", "", "", "5", "71.429"},
        {"5", "", "2", "", "", "1", "4.762"},    {"5", "", "1", "1", "", "10", "47.619"},
        {"5", "", "", "2", "", "10", "47.619"},  {"4", "", "", "2", "", "5", "14.286"},
        {"4", "", "", "1", "1", "20", "57.143"}, {"4", "", "", "", "2", "10", "28.571"},
        {"3", "", "", "", "2", "10", "28.571"},  {"3", "", "", "", "1", "20", "57.143"},
        {"3", "", "", "", "", "5", "14.286"},
    };
    EXPECT_EQ(cellsOf(hits), expected);
    std::vector<bool> marks;
    for (const HitRow& row : hits.rows()) marks.push_back(row.firstOfBlock);
    EXPECT_EQ(marks, (std::vector<bool>{1, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0}));
}

TEST_P(HitAnalysisTest, SingleRowBlocksHaveOnePattern) {
    const HitTable hits = analyse(systemOf({{1, 2, 3, 4, 5, 6}}), {6, 5, 4, 3});
    EXPECT_EQ(cellsOf(hits), (std::vector<Cells>{{"6", "1", "", "", "", "1", "100.000"},
                                                 {"5", "", "1", "", "", "6", "100.000"},
                                                 {"4", "", "", "1", "", "15", "100.000"},
                                                 {"3", "", "", "", "1", "20", "100.000"}}));
}

TEST_P(HitAnalysisTest, RepeatedNumberCountsTwice) {
    // Draw {1,2,3,4,5} meets the row 1 1 2 3 4 5 with six hits, which is no part of block 5.
    EXPECT_EQ(cellsOf(analyse(systemOf({{1, 1, 2, 3, 4, 5}}), {6, 5})),
              (std::vector<Cells>{{"5", "", "", "", "", "1", "100.000"}}));
    // Draw {1,2,3,4,5,9} does the same in block 6.
    EXPECT_EQ(cellsOf(analyse(systemOf({{1, 1, 2, 3, 4, 5}, {9, 9, 9, 9, 9, 9}}), {6}))[0],
              (Cells{"6", "2", "", "", "", "1", "1.190"}));
}

TEST_P(HitAnalysisTest, HighestNumberBelowBlockSizeGivesNoRows) {
    EXPECT_EQ(analyse(systemOf({{1, 1, 1, 1, 1, 1}}), {6, 5, 4, 3}).rowCount(), 0);
    EXPECT_EQ(analyse(SystemTable{}, {6, 5, 4, 3}).rowCount(), 0);
}

TEST_P(HitAnalysisTest, CountsWiderThanTheirKeyFieldStayWhole) {
    SystemTable system;
    for (int i = 0; i < 12; ++i) system.appendRow({1, 2, 3, 4, 5, 6});
    system.appendRow({1, 2, 3, 4, 5, 7});
    const HitTable hits = analyse(system, {6});
    EXPECT_EQ(cellsOf(hits), (std::vector<Cells>{{"6", "12", "1", "", "", "1", "14.286"},
                                                 {"6", "1", "12", "", "", "1", "14.286"},
                                                 {"6", "", "13", "", "", "5", "71.429"}}));
}

INSTANTIATE_TEST_SUITE_P(Engines, HitAnalysisTest,
                         testing::Values(AnalysisEngine::Reference, AnalysisEngine::Fast),
                         [](const auto& info) {
                             return info.param == AnalysisEngine::Fast ? "Fast" : "Reference";
                         });

struct RecordingObserver : ProgressObserver {
    std::vector<std::string> events;
    void runStarted() override { events.push_back("start"); }
    void thirdNumberChanged(int d1, int d2, int d3) override {
        events.push_back(std::to_string(d1) + std::to_string(d2) + std::to_string(d3));
    }
    void drawsReached(std::int64_t draws) override {
        events.push_back("+" + std::to_string(draws));
    }
    void runFinished() override { events.push_back("end"); }
};

TEST(HitAnalysisProgress, ReportsThirdNumbersAndDrawsInOrder) {
    const SystemTable system = systemOf({{1, 2, 3, 3, 3, 4}});
    HitTable hits;
    RecordingObserver observer;
    HitAnalysis(system, hits, AnalysisEngine::Reference).run(4, &observer);
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"start", "123", "+1", "124", "134", "234", "end"}));
}

TEST(HitAnalysisProgress, EmptySystemReportsNothing) {
    const SystemTable system;
    HitTable hits;
    RecordingObserver observer;
    HitAnalysis(system, hits).run(6, &observer);
    EXPECT_TRUE(observer.events.empty());
}

TEST(HitAnalysisProgress, PercentagesOfTheFullLotteryBlock) {
    // One row against all 13,983,816 draws of 49: a single case rounds to 0.000.
    const SystemTable system = systemOf({{1, 2, 3, 4, 5, 49}});
    HitTable hits;
    HitAnalysis(system, hits).run(6);
    ASSERT_EQ(hits.rowCount(), 5);
    EXPECT_EQ(cellsOf(hits)[0][5], "1");
    EXPECT_EQ(cellsOf(hits)[0][6], "0.000");
    EXPECT_EQ(cellsOf(hits)[4][5], "13723192");  // fewer than three hits
}

}  // namespace
}  // namespace lorvex
