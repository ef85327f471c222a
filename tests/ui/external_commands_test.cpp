#include "ui/external_commands.h"

#include <gtest/gtest.h>

#include "tests/ui/recording_user_interface.h"
#include "ui/command_dispatcher.h"

namespace lorvex::testing {
namespace {

using Events = std::vector<std::string>;

struct LinkCase {
    const char* name;
    Command command;
    const char* address;
};

class LinkCommandTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkCommandTest, AddressGoesToTheDesktopAndNothingElseHappens) {
    Application app;
    RecordingUserInterface ui;
    CommandDispatcher(app, ui).dispatch(GetParam().command);
    EXPECT_EQ(ui.events, (Events{std::string("desktop ") + GetParam().address}));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LinkCommandTest,
    ::testing::Values(
        LinkCase{"Link1", Command::CMD_LINK_1, "https://en.wikipedia.org/wiki/Lottery_wheeling"},
        LinkCase{"Link2", Command::CMD_LINK_2, "https://ljcr.dmgordon.org/cover/table.html"},
        LinkCase{"Link3", Command::CMD_LINK_3, "https://de.wikipedia.org/wiki/Lotto_6_aus_49"},
        LinkCase{"Homepage", Command::CMD_HOMEPAGE, "https://ljcr.dmgordon.org/cover.html"}),
    [](const ::testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

TEST(OpenExternalTest, ExistingExecutableIsStartedAsAProgram) {
    RecordingUserInterface ui;
    ui.executableFiles = {"/usr/bin/tool"};
    OpenExternal(ui, "/usr/bin/tool");
    EXPECT_EQ(ui.events, (Events{"start /usr/bin/tool"}));
}

TEST(OpenExternalTest, ExecutableThatDoesNotStartGoesToTheDesktop) {
    RecordingUserInterface ui;
    ui.executableFiles = {"/usr/bin/tool"};
    ui.programsStart = false;
    OpenExternal(ui, "/usr/bin/tool");
    EXPECT_EQ(ui.events, (Events{"start /usr/bin/tool", "desktop /usr/bin/tool"}));
}

TEST(OpenExternalTest, AnythingElseIsNeverStarted) {
    RecordingUserInterface ui;
    OpenExternal(ui, "https://example.org/a b\"; rm -rf /");
    EXPECT_TRUE(ui.startedPrograms.empty());
    EXPECT_EQ(ui.desktopTargets, (std::vector<std::string>{"https://example.org/a b\"; rm -rf /"}));
}

TEST(HelpCommandTest, OpensHilfeTxtBesideTheProgramWhetherOrNotItExists) {
    Application app;
    RecordingUserInterface ui;
    ui.programDirectory = "/nowhere/lorvex/";
    CommandDispatcher(app, ui).dispatch(Command::CMD_HELP);
    EXPECT_EQ(ui.events, (Events{"desktop /nowhere/lorvex/hilfe.txt"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(HelpCommandTest, SaysWhereTheHelpFileIsWhenNothingCanShowIt) {
    Application app;
    RecordingUserInterface ui;
    ui.programDirectory = "/usr/lib/lorvex/";
    ui.desktopOpens = false;
    CommandDispatcher(app, ui).dispatch(Command::CMD_HELP);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Hilfe");
    EXPECT_TRUE(ui.messages[0].text.ends_with("\n/usr/lib/lorvex/hilfe.txt"));
}

TEST(AboutCommandTest, ShowsNameLicenceAndToolkitEveryTime) {
    Application app;
    RecordingUserInterface ui;
    CommandDispatcher dispatcher(app, ui);
    dispatcher.dispatch(Command::CMD_INFO);
    dispatcher.dispatch(Command::CMD_INFO);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].title, "Info");
    EXPECT_EQ(ui.messages[0].text,
              "Lorvex 1.3.3\n"
              "Freie Software unter der MIT-Lizenz; Beispielsysteme aus dem La Jolla Covering "
              "Repository.\n"
              "Erstellt mit C++20 und Qt 9.8.7");
    EXPECT_EQ(ui.messages[1].text, ui.messages[0].text);
}

}  // namespace
}  // namespace lorvex::testing
