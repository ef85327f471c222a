#include "ui/command_dispatcher.h"

#include <gtest/gtest.h>

#include "tests/ui/recording_user_interface.h"
#include "tests/ui/test_support.h"

namespace lorvex::testing {
namespace {

using Events = std::vector<std::string>;

class CommandDispatcherTest : public ::testing::Test {
protected:
    Application app;
    RecordingUserInterface ui;
    CommandDispatcher dispatcher{app, ui};
};

TEST_F(CommandDispatcherTest, NumbersOutsideTheCommandsDoNothing) {
    for (const int number : {-1, 0, 1, 2, 19, 27, 33, 1000}) dispatcher.dispatch(number);
    EXPECT_TRUE(ui.events.empty());
}

struct CommandCase {
    const char* name;
    int command;
    const char* firstEvent;
};

class CommandNumberTest : public CommandDispatcherTest,
                          public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandNumberTest, RunsItsCommand) {
    ui.clipboard = kExampleSystem;
    dispatcher.dispatch(CMD_PASTE);
    const std::size_t start = ui.events.size();
    dispatcher.dispatch(GetParam().command);
    ASSERT_GT(ui.events.size(), start);
    EXPECT_EQ(ui.events[start], GetParam().firstEvent);
    EXPECT_FALSE(dispatcher.busy());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandNumberTest,
    ::testing::Values(CommandCase{"Open", CMD_OPEN, "open dialog"},
                      CommandCase{"Paste", CMD_PASTE, "clipboard"},
                      CommandCase{"SaveTxt", CMD_SAVE_TXT, "message Speichern"},
                      CommandCase{"SaveHtml", CMD_SAVE_HTML, "message Speichern"},
                      CommandCase{"Exit", CMD_EXIT, "exit"},
                      CommandCase{"AnalyseAll", CMD_ANALYSE_ALL, "clear 28"},
                      CommandCase{"Analyse6", CMD_ANALYSE_6, "clear 28"},
                      CommandCase{"Analyse5", CMD_ANALYSE_5, "clear 28"},
                      CommandCase{"Analyse4", CMD_ANALYSE_4, "clear 28"},
                      CommandCase{"Analyse3", CMD_ANALYSE_3, "clear 28"},
                      CommandCase{"Help", CMD_HELP, "desktop /opt/lorvex/hilfe.txt"},
                      CommandCase{"Info", CMD_INFO, "message Info"}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

TEST_F(CommandDispatcherTest, EachSingleAnalysisRunsItsOwnBlock) {
    ui.clipboard = kExampleSystem;
    dispatcher.dispatch(CMD_PASTE);
    const std::pair<int, const char*> blocks[] = {
        {CMD_ANALYSE_6, "6"}, {CMD_ANALYSE_5, "5"}, {CMD_ANALYSE_4, "4"}, {CMD_ANALYSE_3, "3"}};
    for (const auto& [command, block] : blocks) {
        dispatcher.dispatch(command);
        ASSERT_GT(app.hits.rowCount(), 0) << block;
        for (const HitRow& hit : app.hits.rows()) EXPECT_EQ(hit.cells[0], block);
    }
}

TEST_F(CommandDispatcherTest, NoCommandStartsWhileAnotherRuns) {
    ui.clipboard = kExampleSystem;
    dispatcher.dispatch(CMD_PASTE);
    int pollsWhileBusy = 0;
    ui.onPoll = [this, &pollsWhileBusy] {
        ++pollsWhileBusy;
        EXPECT_TRUE(dispatcher.busy());
        // What the windows deliver meanwhile: another analysis, a load, the about box, exit.
        for (const int command : {CMD_ANALYSE_3, CMD_PASTE, CMD_INFO, CMD_EXIT}) {
            dispatcher.dispatch(command);
        }
    };
    dispatcher.dispatch(CMD_ANALYSE_ALL);

    EXPECT_GT(pollsWhileBusy, 0);
    EXPECT_FALSE(dispatcher.busy());
    EXPECT_EQ(app.hits.rowCount(), 11);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.exitRequests, 0);

    ui.onPoll = nullptr;
    dispatcher.dispatch(CMD_INFO);
    EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace lorvex::testing
