#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/analysis/hit_analysis.h"
#include "report/html_report.h"
#include "report/report_stream.h"
#include "report/text_report.h"
#include "tests/support/test_files.h"

namespace lorvex {
namespace {

using namespace test_support;

SystemTable twoRowSystem() {
    SystemTable system;
    system.appendRow({1, 2, 3, 4, 5, 6});
    system.appendRow({1, 2, 3, 4, 5, 7});
    return system;
}

HitTable analysed(const SystemTable& system, std::initializer_list<int> blocks) {
    HitTable hits;
    HitAnalysis analysis(system, hits);
    for (const int k : blocks) analysis.run(k);
    return hits;
}

TEST(ReportBytes, EveryLineEndsWithCrLf) {
    const SystemTable system;
    const HitTable hits;
    const ReportData data{system, hits};
    const ReportWriter threeLines = [](const ReportData&, const LineSink& sink) {
        for (const std::string_view line : {"a", "", "für"}) sink(line);
    };
    const ReportWriter noLine = [](const ReportData&, const LineSink&) {};
    EXPECT_EQ(reportBytes(threeLines, data), "a\r\n\r\nf\xFCr\r\n");
    EXPECT_EQ(reportBytes(noLine, data), "");
}

TEST(TextReport, TwoRowExampleMatchesByteForByte) {
    const SystemTable system = twoRowSystem();
    const HitTable hits = analysed(system, {6, 5, 4, 3});
    expectSameBytes(reportBytes(writeTextReport, {system, hits}),
                    readGolden("beispiel_7_2_komplett.txt"));
}

TEST(HtmlReport, TwoRowExampleMatchesByteForByte) {
    const SystemTable system = twoRowSystem();
    const HitTable hits = analysed(system, {6, 5, 4, 3});
    expectSameBytes(reportBytes(writeHtmlReport, {system, hits}),
                    readGolden("beispiel_7_2_komplett.html"));
}

TEST(TextReport, EmptySystemStillReportsTheKeptHitTable) {
    const SystemTable earlier = twoRowSystem();
    const HitTable hits = analysed(earlier, {3});
    const SystemTable empty;
    const std::vector<std::string> lines = reportLines(writeTextReport, {empty, hits});
    EXPECT_EQ(lines[0], "Lottosystem für 0 Zahlen in 0 Reihen mit Treffertabelle");
    EXPECT_EQ(lines[1], std::string(55, '-'));
    EXPECT_EQ(lines[2], "");  // no system rows
    EXPECT_EQ(lines[4], std::string(60, '-'));
    EXPECT_EQ(lines[5], " 3 entweder |      |      |      |    2 |      10 |  28.571");
    EXPECT_EQ(lines.size(), 10u);
}

TEST(TextReport, EightDigitCaseCountIsWrittenWhole) {
    const SystemTable system;
    HitTable hits;
    hits.append({6, {}, 13723192, 98.137f, true});
    EXPECT_EQ(reportLines(writeTextReport, {system, hits})[5],
              " 6 entweder |      |      |      |      | 13723192 |  98.137");
}

TEST(TextReport, RuleFollowsTheTitleLength) {
    SystemTable system;
    for (int i = 0; i < 22; ++i) system.appendRow({1, 2, 3, 4, 5, 12});
    EXPECT_EQ(reportLines(writeTextReport, {system, HitTable{}})[1].size(), 57u);
}

int countLines(const std::vector<std::string>& lines, const std::string& wanted) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), wanted));
}

TEST(HtmlReport, SpacerBeforeEveryTwelfthSystemRow) {
    for (const auto& [rows, spacers] : {std::pair{0, 0}, {12, 1}, {13, 2}, {25, 3}}) {
        SystemTable system;
        for (int i = 0; i < rows; ++i) system.appendRow({1, 2, 3, 4, 5, 6});
        const auto lines = reportLines(writeHtmlReport, {system, HitTable{}});
        EXPECT_EQ(countLines(lines, "  <tr><td colspan='2'></td></tr>"), spacers) << rows;
        EXPECT_EQ(lines.size(), 37u + rows + spacers) << rows;
    }
}

TEST(HtmlReport, SingleBlockHasOneSpacerAndEmptyCellsStayEmpty) {
    const SystemTable system = twoRowSystem();
    const HitTable hits = analysed(system, {3});
    const auto lines = reportLines(writeHtmlReport, {system, hits});
    EXPECT_EQ(countLines(lines, "  <tr><td colspan='7'></td></tr>"), 1);
    EXPECT_EQ(countLines(lines,
                         "  <tr><td>oder</td><td></td><td></td><td></td><td></td><td>5</td>"
                         "<td>14.286</td></tr>"),
              1);
}

}  // namespace
}  // namespace lorvex
