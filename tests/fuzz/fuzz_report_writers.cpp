// The report writers fed random systems and hit tables: the text and HTML reports line by line,
// the file bytes, the spreadsheet export and the guarantee lines.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "core/analysis/hit_table.h"
#include "core/system/system_table.h"
#include "core/text/conversions.h"
#include "fuzz_check.h"
#include "report/guarantee.h"
#include "report/hit_table_csv.h"
#include "report/html_report.h"
#include "report/report_content.h"
#include "report/report_stream.h"
#include "report/text_report.h"

namespace {

using lorvex::fuzz::FuzzInput;
using lorvex::fuzz::require;
using lorvex::fuzz::reusedTable;

constexpr std::string_view kTextHeader =
    "    Treffer |  6er |  5er |  4er |  3er |  Faelle | Prozent";
constexpr std::size_t kTextLineWidth = kTextHeader.size();
// Widths of the cells of columns 1 to 5 ("6er" to "Faelle"); column 0 is the fixed label and the
// percentage always takes 7.
constexpr std::array<std::size_t, 6> kCellWidths = {0, 4, 4, 4, 4, 7};
constexpr int kHtmlFixedLines = 37;
constexpr int kHtmlRowsPerSpacer = 12;

void fillSystem(FuzzInput& input, lorvex::SystemTable& table) {
    // Up to 13 rows (two groups in the HTML table) keep a run fast; the widths that grow with
    // the row count are unit-tested.
    const int rows = input.byte() % 14;
    for (int row = 0; row < rows; ++row) {
        lorvex::SystemRow systemRow{};
        for (std::int32_t& number : systemRow)
            number = 1 + input.byte() % lorvex::MAX_SYSTEM_NUMBER;
        table.appendRow(systemRow);
    }
    table.sortRows();
}

// A count as the analysis makes it: often none, usually small, sometimes any 32-bit value.
std::int32_t count(FuzzInput& input, std::uint32_t usualLimit) {
    const std::uint8_t kind = input.byte();
    if (kind % 4 == 0) return 0;
    if (kind == 0xFF) return static_cast<std::int32_t>(input.bits<std::uint32_t>());
    return static_cast<std::int32_t>(1 + input.below(usualLimit));
}

float percent(FuzzInput& input) {
    const std::uint8_t kind = input.byte();
    if (kind == 0xFF) return std::bit_cast<float>(input.bits<std::uint32_t>());
    return static_cast<float>(input.below(100001)) / 1000.0f;
}

void fillHits(FuzzInput& input, lorvex::HitTable& hits) {
    const int rows = input.byte() % 17;
    for (int i = 0; i < rows; ++i) {
        lorvex::HitRow row;
        const std::uint8_t label = input.byte();
        row.blockSize = 3 + label % 4;
        row.firstOfBlock = (label & 0x80) != 0;
        for (std::int32_t& rowsWith : row.outcome.rowsWith) rowsWith = count(input, 9999);
        row.cases = count(input, 13983816);
        row.percent = percent(input);
        hits.append(row);
    }
}

struct SectionCount {
    int rows = 0;
    int sections = 0;
};

SectionCount countSections(const lorvex::HitTable& hits) {
    SectionCount count;
    lorvex::forEachSectionRow(hits, [&count](const lorvex::HitRow&, bool opensSection) {
        ++count.rows;
        if (opensSection) ++count.sections;
    });
    return count;
}

std::size_t occurrences(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t pos = text.find(part); pos != std::string_view::npos;
         pos = text.find(part, pos + part.size()))
        ++count;
    return count;
}

void requireSingleLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        require(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
                "no CR, LF or NUL inside a report line");
}

void checkHitLine(std::string_view line, const lorvex::HitRow& row) {
    std::size_t excess = 0;
    for (std::size_t column = 1; column < kCellWidths.size(); ++column) {
        const std::size_t width =
            lorvex::hitCellText(row, static_cast<lorvex::HitColumn>(column)).size();
        excess += width > kCellWidths[column] ? width - kCellWidths[column] : 0;
    }
    // The label's cell is the block's single digit, so only wide counts widen the line.
    require(line.size() == kTextLineWidth + excess, "hit lines have the header width");
    if (excess != 0) return;
    for (std::size_t i = 0; i < kTextLineWidth; ++i)
        require((line[i] == '|') == (kTextHeader[i] == '|'), "bars stand under the header's bars");
}

void checkTextReport(const lorvex::SystemTable& system, const lorvex::HitTable& hits,
                     const std::vector<std::string>& lines) {
    requireSingleLines(lines);
    const SectionCount sections = countSections(hits);
    const std::size_t rows = static_cast<std::size_t>(system.rowCount());
    require(lines.size() == 6 + rows + sections.rows + sections.sections, "text report line count");
    require(lines[0] == lorvex::reportTitle(system.highestNumber(), system.rowCount()), "title");
    require(lines[1] == std::string(lorvex::Utf8CharacterCount(lines[0]), '-'),
            "the rule is as long as the title");
    for (std::size_t i = 0; i < rows; ++i)
        require(lines[2 + i] == lorvex::systemRowText(system.rows()[i]), "system rows in order");
    require(lines[2 + rows].empty() && lines[3 + rows] == kTextHeader, "empty line, then header");
    std::size_t next = 4 + rows;
    lorvex::forEachSectionRow(hits, [&](const lorvex::HitRow& row, bool opensSection) {
        if (opensSection) require(lines[next++] == std::string(60, '-'), "60-dash separator");
        checkHitLine(lines[next++], row);
    });
    require(lines[next].empty() && next + 2 == lines.size(), "empty line, then the disclaimer");
}

void checkHtmlReport(const lorvex::SystemTable& system, const lorvex::HitTable& hits,
                     const std::vector<std::string>& lines) {
    requireSingleLines(lines);
    const SectionCount sections = countSections(hits);
    const int rows = system.rowCount();
    const int spacers = (rows + kHtmlRowsPerSpacer - 1) / kHtmlRowsPerSpacer;
    require(lines.size() == static_cast<std::size_t>(kHtmlFixedLines + rows + spacers +
                                                     sections.rows + sections.sections),
            "HTML report line count");
    require(lines.front().starts_with("<!doctype html") && lines.back() == "</html>",
            "the page opens and closes");
    // The hit lines stand between the hit header and the closing of the last inner table.
    const std::size_t firstHit = lines.size() - 7 - sections.rows - sections.sections;
    require(lines[firstHit - 1].starts_with("  <tr><td><b>Treffer</b>"), "the hit header");
    for (std::size_t i = firstHit; i < lines.size() - 7; ++i) {
        if (lines[i] == "  <tr><td colspan='7'></td></tr>") continue;
        require(occurrences(lines[i], "<td>") == 7 && occurrences(lines[i], "</td>") == 7,
                "every hit line has seven cells");
    }
}

void checkFileBytes(const std::vector<std::string>& lines, lorvex::ReportWriter writer,
                    const lorvex::ReportData& data) {
    const std::string bytes = lorvex::reportBytes(writer, data);
    lorvex::StringSink sink;
    lorvex::streamReportBytes(writer, data, sink);
    const std::string& streamed = sink.bytes();
    std::string joined;
    // The lines are UTF-8; the file holds them in ISO 8859-1.
    for (const std::string& line : lines) joined += lorvex::Utf8ToLatin1(line) + "\r\n";
    require(streamed == bytes && bytes == joined, "streamed, whole and line-joined bytes agree");
    std::size_t expectedSize = 0;
    for (const std::string& line : lines) expectedSize += lorvex::Utf8CharacterCount(line) + 2;
    require(bytes.size() == expectedSize, "each line and its CR LF, nothing else");
    require(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) == lines.size(),
            "one LF per line");
    require(lines.empty() || bytes.ends_with("\r\n"), "the last line ends with CR LF too");
}

void checkExports(const lorvex::HitTable& hits) {
    const std::string csv = lorvex::hitTableCsv(hits);
    require(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')) ==
                static_cast<std::size_t>(hits.rowCount()) + 1,
            "one CSV line per hit row and the header");
    require(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), ';')) ==
                (static_cast<std::size_t>(hits.rowCount()) + 1) * (lorvex::HIT_COLUMNS - 1),
            "six separators per CSV line");
    const std::vector<std::string> guarantees = lorvex::guaranteeLines(hits);
    requireSingleLines(guarantees);
    require(guarantees.size() <= static_cast<std::size_t>(hits.rowCount()),
            "at most one guarantee line per hit row");
    require(hits.rowCount() == 0 || !guarantees.empty(), "a guarantee line for every block");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    lorvex::SystemTable& system = reusedTable();
    fillSystem(input, system);
    lorvex::HitTable hits;
    fillHits(input, hits);
    const std::vector<std::string> text =
        lorvex::reportLines(lorvex::writeTextReport, {system, hits});
    checkTextReport(system, hits, text);
    checkFileBytes(text, lorvex::writeTextReport, {system, hits});
    const std::vector<std::string> html =
        lorvex::reportLines(lorvex::writeHtmlReport, {system, hits});
    checkHtmlReport(system, hits, html);
    checkFileBytes(html, lorvex::writeHtmlReport, {system, hits});
    checkExports(hits);
    return 0;
}
