#include "ui/analysis_commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ui/recording_user_interface.h"
#include "tests/ui/test_support.h"
#include "ui/list_rows.h"
#include "ui/load_system.h"

namespace lorvex::testing {
namespace {

using Events = std::vector<std::string>;

class AnalysisCommandsTest : public ::testing::Test {
protected:
    void load(const std::string& text) {
        ui.clipboard = text;
        pasteSystem(app, ui);
        ASSERT_GT(app.system.rowCount(), 0);
        start = ui.events.size();
    }

    void analyse(int blockSize) {
        const int blockSizes[] = {blockSize};
        analyseBlocks(app, ui, blockSizes);
    }

    std::vector<std::string> analysisEvents() const { return ui.eventsAfter(start); }

    Application app;
    RecordingUserInterface ui;
    std::size_t start = 0;
};

// The worked example's result of "Komplett" on the rows 1 2 3 4 5 6 and 1 2 3 4 5 7.
const std::vector<ListRow> kExampleHitRows = {
    row({"6", "1", "1", "", "", "2", "28.571"}, true),
    row({"6", "", "2", "", "", "5", "71.429"}),
    row({"5", "", "2", "", "", "1", "4.762"}, true),
    row({"5", "", "1", "1", "", "10", "47.619"}),
    row({"5", "", "", "2", "", "10", "47.619"}),
    row({"4", "", "", "2", "", "5", "14.286"}, true),
    row({"4", "", "", "1", "1", "20", "57.143"}),
    row({"4", "", "", "", "2", "10", "28.571"}),
    row({"3", "", "", "", "2", "10", "28.571"}, true),
    row({"3", "", "", "", "1", "20", "57.143"}),
    row({"3", "", "", "", "", "5", "14.286"}),
};

TEST_F(AnalysisCommandsTest, KomplettShowsTheFourBlocksInOrderWithGreyFirstRows) {
    load(kExampleSystem);
    analyseBlocks(app, ui, ALL_BLOCK_SIZES);

    EXPECT_EQ(ui.list(ListId::HitList), kExampleHitRows);
    ASSERT_EQ(app.hits.rowCount(), 11);
    for (int i = 0; i < app.hits.rowCount(); ++i) {
        EXPECT_EQ(hitListRow(app.hits.rows()[static_cast<std::size_t>(i)]).texts,
                  kExampleHitRows[static_cast<std::size_t>(i)].texts);
    }
    // Each run has its own busy state: the window is enabled between the blocks.
    const Events events = analysisEvents();
    EXPECT_EQ(std::count(events.begin(), events.end(), "disable"), 4);
    EXPECT_EQ(std::count(events.begin(), events.end(), "enable"), 4);
    EXPECT_EQ(std::count(events.begin(), events.end(), "append 28 x3"), 3);
    EXPECT_EQ(std::count(events.begin(), events.end(), "append 28 x2"), 1);
    EXPECT_TRUE(ui.mainWindowEnabled);
    EXPECT_EQ(ui.barPosition, (std::array<int, 3>{1, 1, 1}));
}

TEST_F(AnalysisCommandsTest, ProgressFollowsTheFirstThreeNumbersOfEachDraw) {
    load(kExampleSystem);
    analyse(3);

    const Events events = analysisEvents();
    ASSERT_GE(events.size(), 11u);
    EXPECT_EQ(Events(events.begin(), events.begin() + 6),
              (Events{"clear 28", "disable", "bar 31 = 1", "bar 30 = 2", "bar 29 = 3", "poll"}));
    EXPECT_EQ(Events(events.end() - 5, events.end()),
              (Events{"append 28 x3", "bar 29 = 1", "bar 30 = 1", "bar 31 = 1", "enable"}));
    // For three drawn numbers every draw has its own third number: C(7, 3) = 35 of them.
    EXPECT_EQ(std::count(events.begin(), events.end(), "bar 29 = 7"), 15);
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const std::string& e) { return e.starts_with("bar 29 = "); }),
              35 + 1);
    EXPECT_GE(ui.polls, 35);
}

TEST_F(AnalysisCommandsTest, WhileTheRunWorksTheWindowIsDisabledAndTheBarsRiseUpwards) {
    load(kExampleSystem);
    int polls = 0;
    ui.onPoll = [this, &polls] {
        ++polls;
        EXPECT_FALSE(ui.mainWindowEnabled);
        const auto [top, middle, bottom] = ui.barPosition;
        EXPECT_LT(bottom, middle);
        EXPECT_LT(middle, top);
    };
    analyse(4);
    EXPECT_GT(polls, 0);
}

TEST_F(AnalysisCommandsTest, WithoutASystemOnlyTheHitListIsEmptied) {
    load(kExampleSystem);
    analyseBlocks(app, ui, ALL_BLOCK_SIZES);
    app.system = SystemTable();
    start = ui.events.size();

    analyseBlocks(app, ui, ALL_BLOCK_SIZES);
    EXPECT_EQ(analysisEvents(), (Events{"clear 28"}));
    EXPECT_EQ(app.hits.rowCount(), 0);
    EXPECT_TRUE(ui.list(ListId::HitList).empty());
}

TEST_F(AnalysisCommandsTest, HighestNumberBelowTheBlockSizeAppendsNothing) {
    load("1 1 1 1 1 1\n");
    analyse(6);
    EXPECT_EQ(analysisEvents(),
              (Events{"clear 28", "disable", "bar 29 = 1", "bar 30 = 1", "bar 31 = 1", "enable"}));
    EXPECT_EQ(app.hits.rowCount(), 0);
}

TEST_F(AnalysisCommandsTest, HighestNumberBelowTheBlockSizeStillMovesTheBars) {
    load("1 2 3 3 2 1\n");
    analyse(6);
    EXPECT_EQ(analysisEvents(),
              (Events{"clear 28", "disable", "bar 31 = 1", "bar 30 = 2", "bar 29 = 3", "bar 29 = 1",
                      "bar 30 = 1", "bar 31 = 1", "enable"}));
    EXPECT_TRUE(ui.list(ListId::HitList).empty());
}

TEST_F(AnalysisCommandsTest, SingleBlockAfterKomplettLeavesOnlyThatBlock) {
    load(kExampleSystem);
    analyseBlocks(app, ui, ALL_BLOCK_SIZES);
    analyse(5);
    EXPECT_EQ(ui.list(ListId::HitList),
              std::vector<ListRow>(kExampleHitRows.begin() + 2, kExampleHitRows.begin() + 5));
    EXPECT_EQ(app.hits.rowCount(), 3);
}

TEST_F(AnalysisCommandsTest, AnalysisLeavesSystemListAndStatusAlone) {
    load(kExampleSystem);
    const auto systemRows = ui.list(ListId::SystemList);
    const auto status = ui.status;
    analyseBlocks(app, ui, ALL_BLOCK_SIZES);
    EXPECT_EQ(ui.list(ListId::SystemList), systemRows);
    EXPECT_EQ(ui.status, status);
    EXPECT_FALSE(ui.waitWindowShown);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace lorvex::testing
