#include "core/system/system_text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/messages/messages.h"
#include "core/system/file_bytes.h"
#include "core/system/system_loader.h"
#include "tests/support/test_files.h"

namespace lorvex {
namespace {

using namespace std::string_literals;

struct LineCase {
    std::string name;
    std::string line;
    std::optional<SystemRow> row;
};

class ParseSystemLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ParseSystemLineTest, Parses) {
    EXPECT_EQ(parseSystemLine(GetParam().line), GetParam().row);
}

const SystemRow kOneToSix{1, 2, 3, 4, 5, 6};

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseSystemLineTest,
    testing::Values(
        LineCase{"Blanks", "1 2 3 4 5 6", kOneToSix}, LineCase{"Commas", "1,2,3,4,5,6", kOneToSix},
        LineCase{"Semicolons", "1;2;3;4;5;6", kOneToSix},
        LineCase{"Hyphens", "1-2-3-4-5-6", kOneToSix},
        LineCase{"Tabs", "1\t2\t3\t4\t5\t6", kOneToSix},
        LineCase{"CommaBlank", "1, 2, 3, 4, 5, 6", kOneToSix},
        LineCase{"PaddedWithBlanks", "   1  2  3  4  5  6   ", kOneToSix},
        LineCase{"LeadingZeros", "01 02 03 04 05 06", kOneToSix},
        LineCase{"ExtraNumbersIgnored", "1 2 3 4 5 6 7 8", kOneToSix},
        LineCase{"TrailingWordsIgnored", "1 2 3 4 5 6 Reihe eins", kOneToSix},
        LineCase{"FiveNumbers", "1 2 3 4 5", std::nullopt},
        LineCase{"Fifty", "1 2 3 4 5 50", std::nullopt},
        LineCase{"Zero", "0 1 2 3 4 5", std::nullopt},
        LineCase{"Label", "Reihe 1: 1 2 3 4 5 6", std::nullopt},
        LineCase{"RowNumberWithParen", "1) 2 3 4 5 6 7", kOneToSix},
        LineCase{"Dots", "1.2.3.4.5.6", std::nullopt},
        LineCase{"Slashes", "1/2/3/4/5/6", std::nullopt},
        LineCase{"HexAndBinary", "$1 $2 $A %11 +5 6", SystemRow{1, 2, 10, 3, 5, 6}},
        LineCase{"DigitsThenLetters", "7a 8b 9c 10d 11e 12f", SystemRow{7, 8, 9, 10, 11, 12}},
        LineCase{"AllFortyNine", "49 49 49 49 49 49", SystemRow{49, 49, 49, 49, 49, 49}},
        LineCase{"OrderKept", "5 4 3 2 1 6", SystemRow{5, 4, 3, 2, 1, 6}},
        LineCase{"BarInFile", "1 2 3 4 5 6|7 8 9 10 11 12", kOneToSix},
        // A value beyond 64 bits is over 49, not what it would wrap to.
        LineCase{"HugeNumberIsOverFortyNine", "18446744073709551617 2 3 4 5 6", std::nullopt},
        LineCase{"HugeHexIsOverFortyNine", "1 2 3 4 5 $10000000000000001", std::nullopt},
        LineCase{"HugeBinaryIsOverFortyNine", "%1" + std::string(64, '0') + "1 2 3 4 5 6",
                 std::nullopt},
        LineCase{"LeadingZerosStillFit", std::string(40, '0') + "1 2 3 4 5 6", kOneToSix},
        LineCase{"FiftyDigits", std::string(50, '9') + " 2 3 4 5 6", std::nullopt},
        LineCase{"PlusOnly", "+ 2 3 4 5 6", std::nullopt},
        LineCase{"Utf8MarkInFront",
                 "\xEF\xBB\xBF"
                 "1 2 3 4 5 6",
                 std::nullopt},
        LineCase{"NoBreakSpaceStaysInField",
                 "1\xA0"
                 "2 3 4 5 6 7",
                 SystemRow{1, 3, 4, 5, 6, 7}},
        // Any run of separators is one separator, however long.
        LineCase{"HugeBlankRun", "1" + std::string(200000, ' ') + "2 3 4 5 6", kOneToSix},
        LineCase{"MixedSeparatorRun", "1 ,;-\t 2 3 4 5 6", kOneToSix}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

std::vector<std::string> nonEmptyLines(LineSource& source) {
    std::vector<std::string> lines;
    while (!source.atEnd()) {
        const std::string_view line = source.nextLine();
        if (!line.empty()) lines.emplace_back(line);
    }
    return lines;
}

TEST(ClipboardLines, PiecesFollowTheBarRules) {
    // "||" shrinks to "|" in one pass without rescanning, so three bars leave two.
    EXPECT_EQ(splitClipboardText("a\r\nb"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(splitClipboardText("a|||b"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(splitClipboardText(""), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(splitClipboardText("a\n"), (std::vector<std::string>{"a", "", ""}));
    // Runs of line ends: every two of them make one cut.
    EXPECT_EQ(splitClipboardText("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(splitClipboardText("\n\r\n|x\r"), (std::vector<std::string>{"", "", "x", "", ""}));
    EXPECT_EQ(splitClipboardText("|||||"), (std::vector<std::string>{"", "", "", "", ""}));
}

TEST(ClipboardLines, BarEndsALineAndNulEndsTheText) {
    ClipboardLines lines("1 2 3 4 5 6|7 8 9 10 11 12\r\r\n\n13\0 14"s);
    EXPECT_EQ(nonEmptyLines(lines),
              (std::vector<std::string>{"1 2 3 4 5 6", "7 8 9 10 11 12", "13"}));
}

TEST(FileLines, EveryLineEndReadsTheSame) {
    for (const std::string text : {"a\nb\nc", "a\rb\rc", "a\r\nb\r\nc\r\n"}) {
        FileLines lines(text);
        EXPECT_EQ(nonEmptyLines(lines), (std::vector<std::string>{"a", "b", "c"})) << text;
    }
}

TEST(FileLines, LfCrGivesAnEmptyLineAndNulEndsALine) {
    const std::string text = "a\n\rb\0c|d"s;
    FileLines lines(text);
    std::vector<std::string> all;
    while (!lines.atEnd()) all.emplace_back(lines.nextLine());
    EXPECT_EQ(all, (std::vector<std::string>{"a", "", "b", "c|d"}));
}

TEST(DecodeSystemFileBytes, HandlesByteOrderMarks) {
    EXPECT_EQ(decodeSystemFileBytes("\xEF\xBB\xBF"
                                    "1 2"),
              "1 2");
    EXPECT_EQ(decodeSystemFileBytes(std::string("\xFF\xFE"
                                                "1\0 \0\xFC\0\xAC\x20"
                                                "7",
                                                11)),
              "1 \xFC?");  // the odd last byte is dropped, the euro sign becomes "?"
    EXPECT_EQ(decodeSystemFileBytes(std::string("\xFE\xFF\0"
                                                "4\0\n",
                                                6)),
              "4\n");
    EXPECT_EQ(decodeSystemFileBytes("plain"), "plain");
    EXPECT_EQ(decodeSystemFileBytes("\xFF"), "\xFF");  // half a mark is no mark
}

LoadOutcome loadText(const std::string& text, SystemTable& table) {
    FileLines lines(text);
    return loadSystemLines(lines, table);
}

TEST(LoadSystemLines, AcceptsRowsSkipsTheRestAndSorts) {
    SystemTable table;
    EXPECT_EQ(loadText("Mein System\n5 4 3 2 1 6\n\n1 2 3 4 5 6\n1 2 3\n", table),
              LoadOutcome::Loaded);
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.row(1), kOneToSix);
    EXPECT_EQ(table.row(2), (SystemRow{5, 4, 3, 2, 1, 6}));
}

TEST(LoadSystemLines, CountsSkippedLinesButNotBlankOnes) {
    SystemTable table;
    FileLines lines("Mein System\n1 2 3 4 5 6\n\n \t \n1 2 3 4 5 50\n");
    const SystemLoad load = loadSystemLinesCounted(lines, table);
    EXPECT_EQ(load.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(load.skippedLines, 2);
    EXPECT_EQ(skippedLinesText(1), "1 Zeile ohne gültige Reihe übersprungen");
    EXPECT_EQ(skippedLinesText(load.skippedLines), "2 Zeilen ohne gültige Reihe übersprungen");
}

TEST(LoadSystemLines, NothingValidGivesNoRow) {
    SystemTable table;
    table.appendRow(kOneToSix);
    EXPECT_EQ(loadText("\n\n  \nkein System\n", table), LoadOutcome::NoRow);
    EXPECT_EQ(table.rowCount(), 0);
}

TEST(LoadSystemLines, TheTenThousandthRowOverflows) {
    std::string text;
    for (int i = 0; i < MAX_SYSTEM_ROWS; ++i) text += "1 2 3 4 5 6\n";
    SystemTable table;
    EXPECT_EQ(loadText(text, table), LoadOutcome::Loaded);
    EXPECT_EQ(table.rowCount(), MAX_SYSTEM_ROWS);
    EXPECT_EQ(loadText(text + "7 8 9 10 11 12\n", table), LoadOutcome::Overflow);
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.highestNumber(), 0);
}

TEST(LoadSystemLines, CallsBackOncePerLine) {
    FileLines lines("1 2 3 4 5 6\n\nx\n");
    SystemTable table;
    int calls = 0;
    loadSystemLines(lines, table, [&calls] { ++calls; });
    EXPECT_EQ(calls, 3);
}

TEST(LoadSystemLines, SurvivesBinaryJunkAndHugeLines) {
    std::string junk;
    for (unsigned i = 0; i < 1u << 20; ++i) junk += static_cast<char>(i * 239u % 256u);
    junk += std::string(8 << 20, '7') + "\n1 2 3 4 5 49";
    SystemTable table;
    EXPECT_EQ(loadText(junk, table), LoadOutcome::Loaded);
    EXPECT_EQ(table.row(table.rowCount()), (SystemRow{1, 2, 3, 4, 5, 49}));
}

TEST(ReadFileBytes, ReportsWhyAFileCannotBeRead) {
    EXPECT_EQ(readFileBytes("/nonexistent/lorvex/system.txt").error, ENOENT);
    EXPECT_EQ(readFileBytes(LORVEX_EXAMPLES_DIR).error, EISDIR);
    const FileBytes example = readFileBytes(LORVEX_EXAMPLES_DIR "/C12_6_5_132.txt");
    EXPECT_EQ(example.error, 0);
    SystemTable table;
    EXPECT_EQ(loadText(decodeSystemFileBytes(example.bytes), table), LoadOutcome::Loaded);
    EXPECT_EQ(table.rowCount(), 132);
    EXPECT_EQ(table.highestNumber(), 12);
}

class ReadFileBytesLimits : public testing::Test {
protected:
    std::string file(const char* name) const { return folder_.file(name); }

private:
    const test_support::TempFolder folder_;
};

TEST_F(ReadFileBytesLimits, FileBeyondTheLimitIsRefused) {
    test_support::writeBytes(file("100 bytes"), std::string(100, '1'));
    EXPECT_EQ(readFileBytes(file("100 bytes"), 100).bytes.size(), 100u);
    EXPECT_EQ(readFileBytes(file("100 bytes"), 99).error, EFBIG);
    // Far larger than any system: refused before a byte is read (the file is sparse).
    test_support::writeBytes(file("disk image"), "");
    std::filesystem::resize_file(file("disk image"), MAX_FILE_BYTES + 1);
    EXPECT_EQ(readFileBytes(file("disk image")).error, EFBIG);
}

TEST_F(ReadFileBytesLimits, DeviceThatNeverEndsIsRefused) {
    if (!std::filesystem::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
    EXPECT_EQ(readFileBytes("/dev/zero", 1 << 20).error, EFBIG);
}

TEST_F(ReadFileBytesLimits, PipeWithoutWriterReadsAsEmptyInsteadOfWaiting) {
    const std::string pipe = file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EXIT(
        {
            ::alarm(10);  // a wait for a writer ends the child with SIGALRM
            const FileBytes read = readFileBytes(pipe);
            std::_Exit(read.error == 0 && read.bytes.empty() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace lorvex
