#include "ui/command_dispatcher.h"

#include <gtest/gtest.h>

#include <new>

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
    for (const int number : {-1, 0, 1, 2, 19, 27, 33, 1000})
        dispatcher.dispatch(static_cast<Command>(number));
    EXPECT_TRUE(ui.events.empty());
}

struct CommandCase {
    const char* name;
    Command command;
    const char* firstEvent;
};

class CommandNumberTest : public CommandDispatcherTest,
                          public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandNumberTest, RunsItsCommand) {
    ui.clipboard = kExampleSystem;
    dispatcher.dispatch(Command::CMD_PASTE);
    const std::size_t start = ui.events.size();
    dispatcher.dispatch(GetParam().command);
    ASSERT_GT(ui.events.size(), start);
    EXPECT_EQ(ui.events[start], GetParam().firstEvent);
    EXPECT_FALSE(dispatcher.busy());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandNumberTest,
    ::testing::Values(CommandCase{"Open", Command::CMD_OPEN, "open dialog"},
                      CommandCase{"Paste", Command::CMD_PASTE, "clipboard"},
                      CommandCase{"SaveTxt", Command::CMD_SAVE_TXT, "message Speichern"},
                      CommandCase{"SaveHtml", Command::CMD_SAVE_HTML, "message Speichern"},
                      CommandCase{"Exit", Command::CMD_EXIT, "exit"},
                      CommandCase{"AnalyseAll", Command::CMD_ANALYSE_ALL, "clear 28"},
                      CommandCase{"Analyse6", Command::CMD_ANALYSE_6, "clear 28"},
                      CommandCase{"Analyse5", Command::CMD_ANALYSE_5, "clear 28"},
                      CommandCase{"Analyse4", Command::CMD_ANALYSE_4, "clear 28"},
                      CommandCase{"Analyse3", Command::CMD_ANALYSE_3, "clear 28"},
                      CommandCase{"Help", Command::CMD_HELP, "desktop /opt/lorvex/hilfe.txt"},
                      CommandCase{"Info", Command::CMD_INFO, "message Info"}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

TEST_F(CommandDispatcherTest, EachSingleAnalysisRunsItsOwnBlock) {
    ui.clipboard = kExampleSystem;
    dispatcher.dispatch(Command::CMD_PASTE);
    const std::pair<Command, const char*> blocks[] = {{Command::CMD_ANALYSE_6, "6"},
                                                      {Command::CMD_ANALYSE_5, "5"},
                                                      {Command::CMD_ANALYSE_4, "4"},
                                                      {Command::CMD_ANALYSE_3, "3"}};
    for (const auto& [command, block] : blocks) {
        dispatcher.dispatch(command);
        ASSERT_GT(app.hits.rowCount(), 0) << block;
        for (const HitRow& hit : app.hits.rows())
            EXPECT_EQ(hitCellText(hit, HitColumn::BlockSize), block);
    }
}

TEST_F(CommandDispatcherTest, NoCommandStartsWhileAnotherRuns) {
    ui.clipboard = kExampleSystem;
    dispatcher.dispatch(Command::CMD_PASTE);
    int pollsWhileBusy = 0;
    ui.onPoll = [this, &pollsWhileBusy] {
        ++pollsWhileBusy;
        EXPECT_TRUE(dispatcher.busy());
        // What the windows deliver meanwhile: another analysis, a load, the about box, exit.
        for (const Command command :
             {Command::CMD_ANALYSE_3, Command::CMD_PASTE, Command::CMD_INFO, Command::CMD_EXIT}) {
            dispatcher.dispatch(command);
        }
    };
    dispatcher.dispatch(Command::CMD_ANALYSE_ALL);

    EXPECT_GT(pollsWhileBusy, 0);
    EXPECT_FALSE(dispatcher.busy());
    EXPECT_EQ(app.hits.rowCount(), 11);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.exitRequests, 0);

    ui.onPoll = nullptr;
    dispatcher.dispatch(Command::CMD_INFO);
    EXPECT_EQ(ui.messages.size(), 1u);
}

// What a drop does, compared with what "Oeffnen..." does with the same file: both start from an
// analysed system and must leave the same stores, windows and messages behind.
struct DropCase {
    const char* name;
    std::string (*file)(const TempFolder& folder);
};

class DropFilesTest : public CommandDispatcherTest, public ::testing::WithParamInterface<DropCase> {
protected:
    struct Outcome {
        Events events;
        std::vector<RecordingUserInterface::Message> messages;
        std::array<std::vector<ListRow>, 2> lists;
        std::array<std::string, 2> status;
        int rowCount;
        int hitRows;
    };

    template <typename Load>
    static Outcome outcomeOf(Load load) {
        Application app;
        RecordingUserInterface ui;
        CommandDispatcher dispatcher(app, ui);
        ui.clipboard = kExampleSystem;
        dispatcher.dispatch(Command::CMD_PASTE);
        dispatcher.dispatch(Command::CMD_ANALYSE_ALL);
        const std::size_t start = ui.events.size();
        load(dispatcher, ui);
        return {ui.eventsAfter(start), ui.messages,        ui.lists, ui.status,
                app.system.rowCount(), app.hits.rowCount()};
    }
};

TEST_P(DropFilesTest, DroppedFileLoadsAsTheOpenDialogsChoiceWould) {
    const TempFolder folder;
    const std::string path = GetParam().file(folder);
    const Outcome opened =
        outcomeOf([&](CommandDispatcher& dispatcher, RecordingUserInterface& ui) {
            ui.openAnswer = path;
            dispatcher.dispatch(Command::CMD_OPEN);
        });
    const std::string dropped[] = {path};
    const Outcome droppedOutcome =
        outcomeOf([&](CommandDispatcher& dispatcher, RecordingUserInterface&) {
            dispatcher.dropFiles(dropped);
        });

    ASSERT_FALSE(opened.events.empty());
    EXPECT_EQ(opened.events.front(), "open dialog");
    EXPECT_EQ(droppedOutcome.events, Events(opened.events.begin() + 1, opened.events.end()));
    ASSERT_EQ(droppedOutcome.messages.size(), opened.messages.size());
    for (std::size_t i = 0; i < opened.messages.size(); ++i) {
        EXPECT_EQ(droppedOutcome.messages[i].title, opened.messages[i].title);
        EXPECT_EQ(droppedOutcome.messages[i].text, opened.messages[i].text);
    }
    EXPECT_EQ(droppedOutcome.lists, opened.lists);
    EXPECT_EQ(droppedOutcome.status, opened.status);
    EXPECT_EQ(droppedOutcome.rowCount, opened.rowCount);
    EXPECT_EQ(droppedOutcome.hitRows, opened.hitRows);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DropFilesTest,
    ::testing::Values(
        DropCase{"System",
                 [](const TempFolder&) -> std::string {
                     return LORVEX_EXAMPLES_DIR "/C12_6_5_132.txt";
                 }},
        DropCase{"NoValidLine",
                 [](const TempFolder& folder) {
                     writeBytes(folder.file("text.txt"), "Reihe 1: 1 2 3 4 5 6\n");
                     return folder.file("text.txt");
                 }},
        DropCase{"Overflow",
                 [](const TempFolder& folder) {
                     writeBytes(folder.file("big.txt"), validLines(10000));
                     return folder.file("big.txt");
                 }},
        DropCase{"Folder", [](const TempFolder& folder) { return folder.path().string(); }},
        DropCase{"MissingFile",
                 [](const TempFolder& folder) { return folder.file("missing.txt"); }}),
    [](const ::testing::TestParamInfo<DropCase>& info) { return info.param.name; });

TEST_F(CommandDispatcherTest, OfSeveralDroppedFilesTheFirstIsLoaded) {
    const std::string files[] = {LORVEX_EXAMPLES_DIR "/Beispiel_7_2.txt",
                                 LORVEX_EXAMPLES_DIR "/C12_6_5_132.txt"};
    dispatcher.dropFiles(files);
    EXPECT_EQ(ui.status[0], "2 Systemreihen");
    EXPECT_EQ(app.system.rowCount(), 2);
    EXPECT_FALSE(dispatcher.busy());
}

TEST_F(CommandDispatcherTest, DropWithoutFilesDoesNothing) {
    dispatcher.dropFiles({});
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(CommandDispatcherTest, DropWhileACommandRunsDoesNothing) {
    ui.clipboard = kExampleSystem;
    dispatcher.dispatch(Command::CMD_PASTE);
    const std::string files[] = {LORVEX_EXAMPLES_DIR "/C12_6_5_132.txt"};
    int drops = 0;
    ui.onPoll = [&] {
        ++drops;
        dispatcher.dropFiles(files);
    };
    dispatcher.dispatch(Command::CMD_ANALYSE_ALL);
    ui.onPoll = nullptr;

    EXPECT_GT(drops, 0);
    EXPECT_EQ(app.system.rowCount(), 2);
    EXPECT_EQ(ui.status[0], "2 Systemreihen");
    EXPECT_EQ(app.hits.rowCount(), 11);
    EXPECT_TRUE(ui.messages.empty());
}

// Too little memory, at the first poll of a command and at its last one (for a load: while the
// list rows are made; for an analysis: in its last block).
struct MemoryCase {
    const char* name;
    void (*issue)(CommandDispatcher& dispatcher, const std::string& otherSystemFile);
};

class OutOfMemoryTest : public ::testing::TestWithParam<MemoryCase> {
protected:
    // An analysed example system on screen; another system on the clipboard and in a file.
    struct Session {
        explicit Session(const std::string& otherSystemFile) {
            ui.clipboard = kExampleSystem;
            dispatcher.dispatch(Command::CMD_PASTE);
            dispatcher.dispatch(Command::CMD_ANALYSE_ALL);
            ui.clipboard = validLines(30);
            ui.openAnswer = otherSystemFile;
        }
        Application app;
        RecordingUserInterface ui;
        CommandDispatcher dispatcher{app, ui};
    };

    static std::vector<HitRow> rowsOf(const HitTable& hits) {
        return {hits.rows().begin(), hits.rows().end()};
    }
};

TEST_P(OutOfMemoryTest, CommandEndsWithAMessageAndNothingIsLost) {
    const TempFolder folder;
    const std::string otherSystem = folder.file("other.txt");
    writeBytes(otherSystem, validLines(30));
    int polls = 0;
    {
        Session dryRun(otherSystem);
        const int before = dryRun.ui.polls;
        GetParam().issue(dryRun.dispatcher, otherSystem);
        polls = dryRun.ui.polls - before;
    }
    ASSERT_GT(polls, 1);
    for (const int failingPoll : {1, polls}) {
        SCOPED_TRACE(failingPoll);
        Session session(otherSystem);
        RecordingUserInterface& ui = session.ui;
        const auto lists = ui.lists;
        const auto status = ui.status;
        const auto hits = rowsOf(session.app.hits);
        const int rows = session.app.system.rowCount();
        int count = 0;
        ui.onPoll = [&count, failingPoll] {
            if (++count == failingPoll) throw std::bad_alloc();
        };
        GetParam().issue(session.dispatcher, otherSystem);

        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().title, "Arbeitsspeicher");
        EXPECT_TRUE(ui.messages.back().text.starts_with("Nicht genug Arbeitsspeicher.\n"));
        EXPECT_EQ(ui.lists, lists);
        EXPECT_EQ(ui.status, status);
        EXPECT_EQ(rowsOf(session.app.hits), hits);
        EXPECT_EQ(session.app.system.rowCount(), rows);
        EXPECT_TRUE(ui.mainWindowEnabled);
        EXPECT_FALSE(ui.waitWindowShown);
        EXPECT_EQ(ui.barPosition, (std::array<int, 3>{1, 1, 1}));
        EXPECT_FALSE(session.dispatcher.busy());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, OutOfMemoryTest,
    ::testing::Values(
        MemoryCase{"Paste", [](CommandDispatcher& d,
                               const std::string&) { d.dispatch(Command::CMD_PASTE); }},
        MemoryCase{"Open",
                   [](CommandDispatcher& d, const std::string&) { d.dispatch(Command::CMD_OPEN); }},
        MemoryCase{"Drop",
                   [](CommandDispatcher& d, const std::string& file) {
                       const std::string files[] = {file};
                       d.dropFiles(files);
                   }},
        MemoryCase{"AnalyseAll", [](CommandDispatcher& d,
                                    const std::string&) { d.dispatch(Command::CMD_ANALYSE_ALL); }},
        MemoryCase{"Analyse3", [](CommandDispatcher& d,
                                  const std::string&) { d.dispatch(Command::CMD_ANALYSE_3); }}),
    [](const ::testing::TestParamInfo<MemoryCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lorvex::testing
