// Any bytes as a system file: the byte-order mark handling, the file line reader, the line
// parser and the all-or-nothing load, checked against the table's invariants and against the
// literal reading of the line rules.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/system/system_loader.h"
#include "core/system/system_table.h"
#include "core/system/system_text.h"
#include "fuzz_check.h"
#include "reference_text_rules.h"

namespace {

using lorvex::fuzz::FuzzInput;
using lorvex::fuzz::require;
using lorvex::fuzz::reusedTable;

enum class Mark { None, Utf8, Utf16Le, Utf16Be };

constexpr std::string_view markBytes(Mark mark) {
    switch (mark) {
        case Mark::Utf8:
            return "\xEF\xBB\xBF";
        case Mark::Utf16Le:
            return "\xFF\xFE";
        case Mark::Utf16Be:
            return "\xFE\xFF";
        case Mark::None:
            break;
    }
    return "";
}

bool isUtf16(Mark mark) {
    return mark == Mark::Utf16Le || mark == Mark::Utf16Be;
}

// One code unit per byte, in the mark's byte order.
std::string widened(std::string_view body, Mark mark) {
    std::string units;
    for (const char byte : body) {
        if (mark == Mark::Utf16Le) units.append({byte, '\0'});
        if (mark == Mark::Utf16Be) units.append({'\0', byte});
    }
    return units;
}

// The file as a user might save it. The first byte chooses the mark and whether a UTF-16 file's
// text is really written as code units; the rest is the text. (Loads beyond the row limit need
// 120 KB of text and are left to the unit tests: at that size a run would take milliseconds.)
struct FileUnderTest {
    Mark mark = Mark::None;
    bool asUnits = false;
    std::string text;   // what the file says, before any encoding
    std::string bytes;  // the whole file
};

FileUnderTest makeFile(FuzzInput& input) {
    const std::uint8_t mode = input.byte();
    FileUnderTest file;
    file.mark = static_cast<Mark>(mode & 3);
    file.asUnits = isUtf16(file.mark) && (mode & 4) != 0;
    file.text = input.rest();
    file.bytes = markBytes(file.mark);
    file.bytes += file.asUnits ? widened(file.text, file.mark) : file.text;
    return file;
}

bool startsWithMark(std::string_view bytes) {
    return bytes.starts_with(markBytes(Mark::Utf8)) ||
           bytes.starts_with(markBytes(Mark::Utf16Le)) ||
           bytes.starts_with(markBytes(Mark::Utf16Be));
}

void checkDecoding(const FileUnderTest& file, const std::string& decoded) {
    if (!startsWithMark(file.bytes))
        require(decoded == file.bytes, "a file without a mark is kept");
    if (file.mark == Mark::Utf8) require(decoded == file.text, "the UTF-8 mark is dropped");
    if (file.asUnits) require(decoded == file.text, "UTF-16 text of bytes below 256 is restored");
    if (isUtf16(file.mark))
        require(decoded.size() == (file.bytes.size() - 2) / 2, "one byte per UTF-16 code unit");
}

void checkTable(const lorvex::SystemTable& table, lorvex::LoadOutcome outcome) {
    require(table.rowCount() >= 0 && table.rowCount() <= lorvex::MAX_SYSTEM_ROWS,
            "row count within 0..9999");
    require((outcome == lorvex::LoadOutcome::Loaded) == (table.rowCount() > 0),
            "rows are kept exactly when the load succeeded");
    std::int32_t highest = 0;
    for (const lorvex::SystemRow& row : table.rows()) {
        for (const std::int32_t number : row) {
            require(number >= 1 && number <= lorvex::MAX_SYSTEM_NUMBER, "numbers within 1..49");
            highest = std::max(highest, number);
        }
    }
    require(std::is_sorted(table.rows().begin(), table.rows().end()), "rows sorted");
    require(table.highestNumber() == highest, "highest number is the largest number");
}

// What the literal rules expect: the accepted rows in file order and the lines taken until the
// load stops; nothing when a line is beyond what the literal blank passes settle.
struct Expectation {
    std::vector<lorvex::SystemRow> rows;
    std::size_t linesTaken = 0;
    bool overflow = false;
};

std::optional<Expectation> expectedLoad(std::string_view decoded) {
    Expectation expected;
    for (const std::string& line : lorvex::fuzz::referenceFileLines(decoded)) {
        ++expected.linesTaken;
        if (line.empty()) continue;
        const auto parsed = lorvex::fuzz::referenceParseLine(line);
        if (parsed.verdict == lorvex::fuzz::LineVerdict::Unsettled) return std::nullopt;
        if (parsed.verdict == lorvex::fuzz::LineVerdict::Rejected) continue;
        if (expected.rows.size() == lorvex::MAX_SYSTEM_ROWS) {
            expected.overflow = true;
            return expected;
        }
        expected.rows.push_back(parsed.row);
    }
    return expected;
}

void checkAgainstReference(const Expectation& expected, const lorvex::SystemTable& table,
                           lorvex::LoadOutcome outcome, std::size_t linesTaken) {
    require(linesTaken == expected.linesTaken, "one progress step per line taken");
    if (expected.overflow) {
        require(outcome == lorvex::LoadOutcome::Overflow, "the 10,000th row overflows");
        return;
    }
    if (expected.rows.empty()) {
        require(outcome == lorvex::LoadOutcome::NoRow, "no accepted line means no row");
        return;
    }
    std::vector<lorvex::SystemRow> sorted = expected.rows;
    std::sort(sorted.begin(), sorted.end());
    require(outcome == lorvex::LoadOutcome::Loaded, "accepted lines load");
    require(std::equal(sorted.begin(), sorted.end(), table.rows().begin(), table.rows().end()),
            "exactly the accepted rows are loaded");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const FileUnderTest file = makeFile(input);
    const std::string decoded = lorvex::decodeSystemFileBytes(file.bytes);
    checkDecoding(file, decoded);

    lorvex::FileLines lines(decoded);
    lorvex::SystemTable& table = reusedTable();
    std::size_t linesTaken = 0;
    const lorvex::LoadOutcome outcome =
        lorvex::loadSystemLines(lines, table, [&linesTaken] { ++linesTaken; });
    checkTable(table, outcome);
    if (const auto expected = expectedLoad(decoded))
        checkAgainstReference(*expected, table, outcome, linesTaken);
    return 0;
}
