#include "ui/load_system.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "core/messages/messages.h"
#include "tests/ui/recording_user_interface.h"
#include "tests/ui/test_support.h"
#include "ui/analysis_commands.h"

namespace lorvex::testing {
namespace {

using Events = std::vector<std::string>;

class LoadSystemTest : public ::testing::Test {
protected:
    void paste(const std::string& text) {
        ui.clipboard = text;
        pasteSystem(app, ui);
    }

    // A loaded system with an analysis on screen, as the starting point of a later load.
    void loadEarlierSystemAndAnalyse() {
        paste(kExampleSystem);
        analyseBlocks(app, ui, ALL_BLOCK_SIZES);
        ASSERT_EQ(app.hits.rowCount(), 11);
        before = ui.events.size();
        shownBefore = ui.lists;
        messagesBefore = ui.messages.size();
    }

    // Everything the earlier load and analysis left is still there.
    void expectEarlierSystemKept() {
        EXPECT_EQ(app.system.rowCount(), 2);
        EXPECT_EQ(app.system.highestNumber(), 7);
        EXPECT_EQ(app.hits.rowCount(), 11);
        EXPECT_EQ(ui.lists, shownBefore);
        EXPECT_EQ(ui.status[0], "2 Systemreihen");
        EXPECT_EQ(ui.status[1], "7 Systemzahlen");
        EXPECT_EQ(ui.barMaximum, (std::array<int, 3>{7, 7, 7}));
        EXPECT_TRUE(ui.mainWindowEnabled);
        EXPECT_FALSE(ui.waitWindowShown);
    }

    Application app;
    RecordingUserInterface ui;
    std::size_t before = 0;
    std::array<std::vector<ListRow>, 2> shownBefore;
    std::size_t messagesBefore = 0;
};

TEST_F(LoadSystemTest, PastedRowsAreSortedCountedAndShownWhileBusy) {
    paste("5 4 3 2 1 6\n1 2 3 4 5 6\n");

    // The polls of reading the lines and of making the list rows run together: the rows are
    // made before anything on screen changes.
    EXPECT_EQ(ui.events,
              (Events{"clipboard", "disable", "wait shown", "poll", "bar 29 max 6", "bar 30 max 6",
                      "bar 31 max 6", "status 0 = 2 Systemreihen", "status 1 = 6 Systemzahlen",
                      "clear 27", "clear 28", "append 27 x2", "wait hidden", "enable"}));
    // Rows are ordered; the numbers within a row keep their order.
    EXPECT_EQ(ui.list(ListId::SystemList),
              (std::vector<ListRow>{row({"1", "1", "2", "3", "4", "5", "6"}),
                                    row({"2", "5", "4", "3", "2", "1", "6"})}));
    EXPECT_EQ(app.system.rowCount(), 2);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LoadSystemTest, SuccessfulLoadEmptiesTheHitTableEvenForTheSameSystem) {
    loadEarlierSystemAndAnalyse();
    paste(kExampleSystem);
    EXPECT_EQ(app.hits.rowCount(), 0);
    EXPECT_TRUE(ui.list(ListId::HitList).empty());
    EXPECT_EQ(ui.list(ListId::SystemList).size(), 2u);
}

TEST_F(LoadSystemTest, SystemNumbersRunUpToTheHighestNumber) {
    paste("11 12 13 14 15 20\n");
    EXPECT_EQ(ui.status[1], "20 Systemzahlen");
    EXPECT_EQ(ui.barMaximum, (std::array<int, 3>{20, 20, 20}));
}

TEST_F(LoadSystemTest, IdenticalLinesGiveTwoNumberedRows) {
    paste("1 2 3 4 5 6\n1 2 3 4 5 6\n");
    ASSERT_EQ(ui.list(ListId::SystemList).size(), 2u);
    EXPECT_EQ(ui.list(ListId::SystemList)[1].texts[0], "2");
    EXPECT_EQ(ui.status[0], "2 Systemreihen");
}

TEST_F(LoadSystemTest, EmptyClipboardChangesNothingAndIsNeverBusy) {
    paste("");
    EXPECT_EQ(ui.events, (Events{"clipboard"}));
    EXPECT_EQ(app.system.rowCount(), 0);
}

TEST_F(LoadSystemTest, TextWithoutValidLineKeepsTheEarlierSystem) {
    loadEarlierSystemAndAnalyse();
    paste("Reihe 1: 1 2 3 4 5 6\n1 2 3 4 5 50\n\n");

    EXPECT_EQ(ui.eventsAfter(before), (Events{"clipboard", "disable", "wait shown", "poll",
                                              "wait hidden", "enable", "message Öffnen"}));
    expectEarlierSystemKept();
    EXPECT_EQ(ui.messages.back().text,
              "Keine gültige Systemreihe gefunden in der Zwischenablage (je Zeile sechs Zahlen "
              "von 1 bis 49).");
}

TEST_F(LoadSystemTest, OverflowKeepsTheEarlierSystemAndSaysSoAfterTheBusyState) {
    loadEarlierSystemAndAnalyse();
    paste(validLines(10000));

    EXPECT_EQ(ui.eventsAfter(before), (Events{"clipboard", "disable", "wait shown", "poll",
                                              "wait hidden", "enable", "message Überlauf"}));
    ASSERT_EQ(ui.messages.size(), messagesBefore + 1);
    EXPECT_EQ(ui.messages.back().text, "System über 9999 Reihen oder 49 Zahlen");
    expectEarlierSystemKept();
}

TEST_F(LoadSystemTest, ExactlyTheRowLimitLoads) {
    paste(validLines(9999));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app.system.rowCount(), 9999);
    EXPECT_EQ(ui.status[0], "9999 Systemreihen");
    EXPECT_EQ(ui.list(ListId::SystemList).size(), 9999u);
    EXPECT_EQ(ui.list(ListId::SystemList).back().texts[0], "9999");
}

TEST_F(LoadSystemTest, OpenStartsInTheProgramFolderAndLoadsTheChosenFile) {
    ui.openAnswer = LORVEX_EXAMPLES_DIR "/C12_6_5_132.txt";
    openSystemFile(app, ui);

    ASSERT_EQ(ui.openDialogs.size(), 1u);
    EXPECT_EQ(ui.openDialogs[0].title, "System öffnen...");
    EXPECT_EQ(ui.openDialogs[0].filter, "Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(ui.openDialogs[0].directory, "/opt/lorvex");
    EXPECT_EQ(ui.status[0], "132 Systemreihen");
    EXPECT_EQ(ui.status[1], "12 Systemzahlen");
    EXPECT_EQ(ui.list(ListId::SystemList).size(), 132u);
    EXPECT_FALSE(ui.waitWindowShown);
    EXPECT_TRUE(ui.mainWindowEnabled);
}

TEST_F(LoadSystemTest, CancelledOpenDialogChangesNothingAndIsNeverBusy) {
    loadEarlierSystemAndAnalyse();
    ui.openAnswer.clear();
    openSystemFile(app, ui);
    EXPECT_EQ(ui.eventsAfter(before), (Events{"open dialog"}));
    expectEarlierSystemKept();
}

struct UnreadableCase {
    const char* name;
    std::string (*path)(const TempFolder& folder);
    const char* reason;
};

class UnreadableFileTest : public LoadSystemTest,
                           public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFileTest, SaysWhyAndKeepsTheEarlierSystem) {
    loadEarlierSystemAndAnalyse();
    const TempFolder folder;
    ui.openAnswer = GetParam().path(folder);
    openSystemFile(app, ui);

    EXPECT_EQ(ui.eventsAfter(before), (Events{"open dialog", "disable", "wait shown", "wait hidden",
                                              "enable", "message Öffnen"}));
    ASSERT_EQ(ui.messages.size(), messagesBefore + 1);
    EXPECT_EQ(ui.messages.back().text,
              "Datei kann nicht geöffnet werden:\n" + ui.openAnswer + "\n" + GetParam().reason);
    expectEarlierSystemKept();
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, UnreadableFileTest,
    ::testing::Values(
        UnreadableCase{
            "MissingFile", [](const TempFolder& folder) { return folder.file("missing.txt"); },
            "Datei oder Ordner nicht gefunden. Bitte Namen und Ordner der Datei prüfen."},
        UnreadableCase{"Folder", [](const TempFolder& folder) { return folder.path().string(); },
                       "Das ist ein Ordner, keine Datei. Bitte eine Textdatei mit einem System "
                       "wählen."},
        UnreadableCase{"PathThroughAFile",
                       [](const TempFolder& folder) {
                           writeBytes(folder.file("plain"), "1 2 3 4 5 6\n");
                           return folder.file("plain") + "/system.txt";
                       },
                       "Ein Teil des Pfades ist kein Ordner. Bitte den Pfad prüfen."}),
    [](const ::testing::TestParamInfo<UnreadableCase>& info) { return info.param.name; });

TEST_F(LoadSystemTest, PathOutsideLatin1IsShownWhole) {
    ui.openAnswer = "/nonexistent/Prüfung_系统 €.txt";
    openSystemFile(app, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Datei kann nicht geöffnet werden:\n/nonexistent/Prüfung_系统 €.txt\nDatei oder "
              "Ordner nicht gefunden. Bitte Namen und Ordner der Datei prüfen.");
}

TEST_F(LoadSystemTest, EmptyFileKeepsTheEarlierSystemAndSaysSo) {
    loadEarlierSystemAndAnalyse();
    const TempFolder folder;
    writeBytes(folder.file("Prüfung_系统.txt"), "");
    ui.openAnswer = folder.file("Prüfung_系统.txt");
    openSystemFile(app, ui);
    expectEarlierSystemKept();
    ASSERT_EQ(ui.messages.size(), messagesBefore + 1);
    EXPECT_EQ(ui.messages.back().text, "Keine gültige Systemreihe gefunden in " + ui.openAnswer +
                                           " (je Zeile sechs Zahlen von 1 bis 49).");
}

// A FIFO whose writer stays silent would block the read, and the window with it.
TEST_F(LoadSystemTest, OpenRefusesWhatIsNoRegularFile) {
    loadEarlierSystemAndAnalyse();
    const TempFolder folder;
    ui.openAnswer = folder.file("fifo");
    ASSERT_EQ(::mkfifo(ui.openAnswer.c_str(), 0600), 0);
    openSystemFile(app, ui);
    EXPECT_EQ(ui.eventsAfter(before), (Events{"open dialog", "message Öffnen"}));
    EXPECT_EQ(ui.messages.back().text, "Datei kann nicht geöffnet werden:\n" + ui.openAnswer +
                                           "\n" + std::string(NOT_A_REGULAR_FILE));
    expectEarlierSystemKept();
}

TEST_F(LoadSystemTest, BinaryFileKeepsTheEarlierSystemAndSaysSo) {
    loadEarlierSystemAndAnalyse();
    const TempFolder folder;
    std::string bytes;
    for (int i = 0; i < 65536; ++i) bytes += static_cast<char>((i * 131 + 7) % 256);
    writeBytes(folder.file("program"), bytes);
    ui.openAnswer = folder.file("program");
    openSystemFile(app, ui);

    EXPECT_EQ(ui.eventsAfter(before), (Events{"open dialog", "disable", "wait shown", "poll",
                                              "wait hidden", "enable", "message Öffnen"}));
    expectEarlierSystemKept();
}

// Run in a child process, which can give up root's rights without touching the other tests.
TEST_F(LoadSystemTest, ReadProtectedFileSaysWhatToDo) {
    loadEarlierSystemAndAnalyse();
    const TempFolder folder;
    ui.openAnswer = folder.file("secret.txt");
    writeBytes(ui.openAnswer, kExampleSystem);
    std::filesystem::permissions(ui.openAnswer, std::filesystem::perms::owner_write);
    EXPECT_EXIT(
        {
            dropRootRights();
            openSystemFile(app, ui);
            const bool asExpected =
                ui.messages.size() == messagesBefore + 1 &&
                ui.messages.back().text ==
                    "Datei kann nicht geöffnet werden:\n" + ui.openAnswer +
                        "\nZugriff verweigert. Die Datei darf nicht gelesen werden; bitte ihre "
                        "Zugriffsrechte prüfen." &&
                app.system.rowCount() == 2 && app.hits.rowCount() == 11 && ui.mainWindowEnabled;
            std::_Exit(asExpected ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace lorvex::testing
