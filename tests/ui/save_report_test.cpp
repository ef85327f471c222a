#include "ui/save_report.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

#include "report/html_report.h"
#include "report/report_stream.h"
#include "report/text_report.h"
#include "tests/ui/recording_user_interface.h"
#include "tests/ui/test_support.h"
#include "ui/analysis_commands.h"
#include "ui/load_system.h"

namespace lorvex::testing {
namespace {

using Events = std::vector<std::string>;
namespace fs = std::filesystem;

const std::string kCannotSave = "Datei kann nicht gespeichert werden:\n";
const std::string kWriteProtected =
    "Zugriff verweigert. Die Datei oder der Ordner ist schreibgeschützt; bitte einen anderen "
    "Ordner oder Namen wählen.";

class SaveReportTest : public ::testing::Test {
protected:
    void SetUp() override { ui.programDirectory = folder.path().string() + "/"; }

    void loadAndAnalyse(const std::string& text) {
        ui.clipboard = text;
        pasteSystem(app, ui);
        analyseBlocks(app, ui, ALL_BLOCK_SIZES);
        start = ui.events.size();
    }

    std::string expectedText() const {
        return reportBytes(writeTextReport, ReportData{app.system, app.hits});
    }

    TempFolder folder;
    Application app;
    RecordingUserInterface ui;
    std::size_t start = 0;
};

TEST_F(SaveReportTest, EmptyHitTableIsAnsweredWithAMessageInsteadOfADialog) {
    ui.clipboard = kExampleSystem;
    pasteSystem(app, ui);
    start = ui.events.size();

    saveTextReport(app, ui);
    EXPECT_EQ(ui.eventsAfter(start), (Events{"message Speichern"}));
    EXPECT_EQ(ui.messages.back().text, "Keine Analyse zum Speichern vorhanden");
    EXPECT_TRUE(ui.saveDialogs.empty());
}

TEST_F(SaveReportTest, DialogProposesTheNameFromHighestNumberAndRowCount) {
    loadAndAnalyse(kExampleSystem);
    saveTextReport(app, ui);
    saveHtmlReport(app, ui);

    ASSERT_EQ(ui.saveDialogs.size(), 2u);
    EXPECT_EQ(ui.saveDialogs[0].title, "Analyse speichern...");
    EXPECT_EQ(ui.saveDialogs[0].filter, "Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(ui.saveDialogs[0].directory, folder.path().string());
    EXPECT_EQ(ui.saveDialogs[0].name, "07_0002.txt");
    EXPECT_EQ(ui.saveDialogs[1].filter, "Internet (*.html)|*.html|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(ui.saveDialogs[1].name, "07_0002.html");
}

struct SaveFolderCase {
    const char* name;
    std::set<std::string> readOnly;
    std::string systemFile;
    std::string proposed;
};

class SaveFolderTest : public ::testing::TestWithParam<SaveFolderCase> {};

// The installed program's folder belongs to root: the first writable of the loaded file's
// folder, the documents folder and home takes its place.
TEST_P(SaveFolderTest, FirstWritableFolderIsProposed) {
    RecordingUserInterface ui;
    ui.programDirectory = "/usr/lib/lorvex/";
    ui.readOnlyDirectories = GetParam().readOnly;
    EXPECT_EQ(saveDirectory(ui, GetParam().systemFile), GetParam().proposed);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SaveFolderTest,
    ::testing::Values(
        SaveFolderCase{"ProgramFolder", {}, "/home/anna/lotto/s.txt", "/usr/lib/lorvex"},
        SaveFolderCase{
            "SystemFileFolder", {"/usr/lib/lorvex"}, "/home/anna/lotto/s.txt", "/home/anna/lotto"},
        SaveFolderCase{"DocumentsAfterAPaste", {"/usr/lib/lorvex"}, "", "/home/anna/Dokumente"},
        SaveFolderCase{"Documents",
                       {"/usr/lib/lorvex", "/media/cd"},
                       "/media/cd/s.txt",
                       "/home/anna/Dokumente"},
        SaveFolderCase{"Home",
                       {"/usr/lib/lorvex", "/media/cd", "/home/anna/Dokumente"},
                       "/media/cd/s.txt",
                       "/home/anna"}),
    [](const ::testing::TestParamInfo<SaveFolderCase>& info) { return info.param.name; });

TEST_F(SaveReportTest, CancelledDialogWritesNothingAndSaysNothing) {
    loadAndAnalyse(kExampleSystem);
    writeBytes(folder.file("07_0002.txt"), "old");
    ui.saveAnswer.clear();
    saveTextReport(app, ui);

    EXPECT_EQ(ui.eventsAfter(start), (Events{"save dialog"}));
    EXPECT_EQ(readBytes(folder.file("07_0002.txt")), "old");
    EXPECT_EQ(folder.entries(), 1u);
}

TEST_F(SaveReportTest, TextReportIsWrittenWithCrLfAndNothingChangesOnScreen) {
    loadAndAnalyse(kExampleSystem);
    const auto shown = ui.lists;
    ui.saveAnswer = folder.file("07_0002.txt");
    saveTextReport(app, ui);

    const std::string bytes = readBytes(ui.saveAnswer);
    EXPECT_EQ(bytes, expectedText());
    EXPECT_TRUE(
        bytes.starts_with("Lottosystem f\xFCr 7 Zahlen in 2 Reihen mit Treffertabelle\r\n"));
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(ui.eventsAfter(start), (Events{"save dialog"}));
    EXPECT_EQ(ui.lists, shown);
}

TEST_F(SaveReportTest, HtmlReportIsWritten) {
    loadAndAnalyse(kExampleSystem);
    ui.saveAnswer = folder.file("page.html");
    saveHtmlReport(app, ui);
    EXPECT_EQ(readBytes(ui.saveAnswer),
              reportBytes(writeHtmlReport, ReportData{app.system, app.hits}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveReportTest, ExistingFileIsReplacedWithoutAQuestion) {
    loadAndAnalyse(kExampleSystem);
    ui.saveAnswer = folder.file("report.txt");
    writeBytes(ui.saveAnswer, std::string(100000, 'x'));
    saveTextReport(app, ui);
    EXPECT_EQ(readBytes(ui.saveAnswer), expectedText());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveReportTest, NameWithoutExtensionIsKeptAsTyped) {
    loadAndAnalyse(kExampleSystem);
    ui.saveAnswer = folder.file("report");
    saveTextReport(app, ui);
    EXPECT_TRUE(fs::is_regular_file(folder.file("report")));
    EXPECT_FALSE(fs::exists(folder.file("report.txt")));
}

TEST_F(SaveReportTest, HitsOfAnEarlierSystemAreSavedAfterALoadWithoutRows) {
    loadAndAnalyse(kExampleSystem);
    app.system = SystemTable();  // what the table held before loads became all or nothing
    ui.saveAnswer = folder.file("x.txt");
    saveTextReport(app, ui);
    EXPECT_EQ(ui.saveDialogs.back().name, "00_0000.txt");
    EXPECT_TRUE(readBytes(ui.saveAnswer)
                    .starts_with("Lottosystem f\xFCr 0 Zahlen in 0 Reihen mit Treffertabelle\r\n"));
}

struct FailureCase {
    const char* name;
    std::string (*target)(const TempFolder& folder);
    const char* reason;
};

class SaveFailureTest : public SaveReportTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailureTest, FailureIsReportedWithPathAndReason) {
    loadAndAnalyse(kExampleSystem);
    ui.saveAnswer = GetParam().target(folder);
    saveTextReport(app, ui);
    EXPECT_EQ(ui.eventsAfter(start), (Events{"save dialog", "message Speichern"}));
    EXPECT_EQ(ui.messages.back().text, kCannotSave + ui.saveAnswer + "\n" + GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveFailureTest,
    ::testing::Values(FailureCase{"Folder",
                                  [](const TempFolder& folder) {
                                      fs::create_directory(folder.file("reports"));
                                      return folder.file("reports");
                                  },
                                  "Das ist ein Ordner, keine Datei. Bitte einen Dateinamen "
                                  "angeben."},
                      FailureCase{"MissingFolder",
                                  [](const TempFolder& folder) {
                                      return folder.file("missing/report.txt");
                                  },
                                  "Datei oder Ordner nicht gefunden. Bitte einen vorhandenen "
                                  "Ordner wählen."},
                      FailureCase{"PathThroughAFile",
                                  [](const TempFolder& folder) {
                                      writeBytes(folder.file("plain"), "x");
                                      return folder.file("plain") + "/report.txt";
                                  },
                                  "Ein Teil des Pfades ist kein Ordner. Bitte den Pfad prüfen."},
                      // The window must not wait for a reader that never comes.
                      FailureCase{"FifoWithoutReader",
                                  [](const TempFolder& folder) {
                                      ::mkfifo(folder.file("fifo").c_str(), 0600);
                                      return folder.file("fifo");
                                  },
                                  "Kein Programm liest aus dieser FIFO (benannten Pipe)."}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// The cases below run in a child process, which may drop root's rights or lower a limit
// without touching the other tests. The child exits with 0 when all went as expected.
class SaveReportDeathTest : public SaveReportTest {
protected:
    static void finish(bool asExpected, const RecordingUserInterface& ui) {
        if (!ui.messages.empty()) std::fprintf(stderr, "%s\n", ui.messages.back().text.c_str());
        std::_Exit(asExpected ? 0 : 1);
    }

    // A folder in which no file can be created (also not by root, once it has dropped its
    // rights), holding one file that anybody may write.
    std::string lockedFolderWithWritableFile() {
        const std::string locked = folder.file("locked");
        fs::create_directory(locked);
        writeBytes(locked + "/existing.txt", "old");
        fs::permissions(locked + "/existing.txt", fs::perms::all & ~fs::perms::others_exec &
                                                      ~fs::perms::group_exec &
                                                      ~fs::perms::owner_exec);
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
        return locked;
    }
};

TEST_F(SaveReportDeathTest, FolderThatTakesNoNewFileIsReported) {
    loadAndAnalyse(kExampleSystem);
    const std::string locked = lockedFolderWithWritableFile();
    ui.saveAnswer = locked + "/new.txt";
    EXPECT_EXIT(
        {
            dropRootRights();
            saveTextReport(app, ui);
            finish(
                ui.messages.size() == 1 &&
                    ui.messages[0].text == kCannotSave + ui.saveAnswer + "\n" + kWriteProtected &&
                    !fs::exists(ui.saveAnswer),
                ui);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(SaveReportDeathTest, WritableFileInAFolderThatTakesNoNewFileIsWrittenDirectly) {
    loadAndAnalyse(kExampleSystem);
    ui.saveAnswer = lockedFolderWithWritableFile() + "/existing.txt";
    const std::string expected = expectedText();
    EXPECT_EXIT(
        {
            dropRootRights();
            saveTextReport(app, ui);
            finish(ui.messages.empty() && readBytes(ui.saveAnswer) == expected, ui);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(SaveReportDeathTest, WriteThatFailsMidwayKeepsTheExistingFile) {
    loadAndAnalyse(kExampleSystem);
    ui.saveAnswer = folder.file("report.txt");
    writeBytes(ui.saveAnswer, "old");
    EXPECT_EXIT(
        {
            // The file system refuses more than 64 bytes per file, as a full disk would; the
            // limit's signal (SIGXFSZ) must not end the program.
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 64;
            ::setrlimit(RLIMIT_FSIZE, &limit);
            saveTextReport(app, ui);
            limit.rlim_cur = limit.rlim_max;  // the death test's own report goes to a file
            ::setrlimit(RLIMIT_FSIZE, &limit);
            finish(ui.messages.size() == 1 &&
                       ui.messages[0].text ==
                           kCannotSave + ui.saveAnswer +
                               "\nDie Datei ist zu groß. Bitte einen anderen Ort wählen." &&
                       readBytes(ui.saveAnswer) == "old" && folder.entries() == 1,
                   ui);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(SaveReportDeathTest, WriteProtectedFileIsReportedAndKept) {
    loadAndAnalyse(kExampleSystem);
    ui.saveAnswer = folder.file("protected.txt");
    writeBytes(ui.saveAnswer, "old");
    fs::permissions(ui.saveAnswer,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder.path(), fs::perms::all);  // the folder itself takes new files
    EXPECT_EXIT(
        {
            dropRootRights();
            saveTextReport(app, ui);
            finish(
                ui.messages.size() == 1 &&
                    ui.messages[0].text == kCannotSave + ui.saveAnswer + "\n" + kWriteProtected &&
                    readBytes(ui.saveAnswer) == "old" && folder.entries() == 1,
                ui);
        },
        ::testing::ExitedWithCode(0), "");
}

// /dev/full takes no byte, as a full disk. Its folder takes no new file from a plain user, so
// the report is written into it directly and the write fails.
TEST_F(SaveReportDeathTest, FullDiskIsReported) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    loadAndAnalyse(kExampleSystem);
    ui.saveAnswer = "/dev/full";
    EXPECT_EXIT(
        {
            dropRootRights();
            saveTextReport(app, ui);
            finish(ui.messages.size() == 1 &&
                       ui.messages[0].text ==
                           kCannotSave +
                               "/dev/full\nKein Speicherplatz mehr auf dem Datenträger. Bitte "
                               "Platz schaffen oder einen anderen Ort wählen.",
                   ui);
        },
        ::testing::ExitedWithCode(0), "");
}

// A small tmpfs of its own, mounted over `folder` while it lives. Only root may mount.
class SmallDisk {
public:
    SmallDisk(const std::string& folder, const char* options) : folder_(folder) {
        fs::create_directory(folder_);
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Takes every free byte, as other files would on a full disk.
    void fill() const {
        const int fd = ::open((folder_ + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
    }

private:
    std::string folder_;
    bool mounted_ = false;
};

// 400 rows over the numbers 1 to 12: a report of some 8 KB, analysed in no time.
std::string rowsOverTwelveNumbers() {
    std::ostringstream text;
    int rows = 0;
    for (int mask = 0; mask < (1 << 12) && rows < 400; ++mask) {
        if (__builtin_popcount(static_cast<unsigned>(mask)) != 6) continue;
        for (int number = 1; number <= 12; ++number) {
            if (mask & (1 << (number - 1))) text << number << ' ';
        }
        text << '\n';
        ++rows;
    }
    return text.str();
}

const std::string kNoSpace =
    "Kein Speicherplatz mehr auf dem Datenträger. Bitte Platz schaffen oder einen anderen Ort "
    "wählen.";

// No free inode, so no temporary file: that is no reason to write over the old report.
TEST_F(SaveReportTest, FullDiskNeverOverwritesTheOldReport) {
    SmallDisk disk(folder.file("disk"), "size=64k,nr_inodes=2");
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
    loadAndAnalyse(rowsOverTwelveNumbers());
    ui.saveAnswer = folder.file("disk/report.txt");
    writeBytes(ui.saveAnswer, "old report");
    saveTextReport(app, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kCannotSave + ui.saveAnswer + "\n" + kNoSpace);
    EXPECT_EQ(readBytes(ui.saveAnswer), "old report");
}

// The folder takes no new file, so the report goes into the old one; the disk has no room for
// the longer report, and the old one must come out of it untouched.
TEST_F(SaveReportDeathTest, InPlaceSaveOnAFullDiskKeepsTheOldReport) {
    SmallDisk disk(folder.file("disk"), "size=64k");
    if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
    loadAndAnalyse(rowsOverTwelveNumbers());
    const std::string locked = folder.file("disk/locked");
    fs::create_directory(locked);
    ui.saveAnswer = locked + "/report.txt";
    writeBytes(ui.saveAnswer, "old report");
    fs::permissions(
        ui.saveAnswer,
        fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
    fs::permissions(locked, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
    disk.fill();
    EXPECT_EXIT(
        {
            dropRootRights();
            saveTextReport(app, ui);
            finish(ui.messages.size() == 1 &&
                       ui.messages[0].text == kCannotSave + ui.saveAnswer + "\n" + kNoSpace &&
                       readBytes(ui.saveAnswer) == "old report",
                   ui);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace lorvex::testing
