#include "report/report_content.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lorvex {
namespace {

TEST(ReportContent, TitleRowTextAndProposedName) {
    EXPECT_EQ(reportTitle(49, 9999),
              "Lottosystem f\xFCr 49 Zahlen in 9999 Reihen mit Treffertabelle");
    EXPECT_EQ(systemRowText({7, 1, 49, 10, 2, 3}), "07 01 49 10 02 03");  // stored order kept
    EXPECT_EQ(proposedReportName("/opt/lorvex/", 7, 2, ".txt"), "/opt/lorvex/07_0002.txt");
    EXPECT_EQ(proposedReportName("/opt/lorvex/", 0, 0, ".html"), "/opt/lorvex/00_0000.html");
    EXPECT_EQ(proposedReportName("/", 12, 22, ".txt"), "/12_0022.txt");
}

std::vector<std::string> sections(const HitTable& hits) {
    std::vector<std::string> seen;
    forEachSectionRow(hits, [&seen](const HitRow& row, bool opens) {
        seen.push_back(row.cells[0] + (opens ? " entweder" : " oder"));
    });
    return seen;
}

HitRow rowOf(const char* block) {
    return {{block, "", "", "", "1", "1", "100.000"}, false};
}

TEST(ReportContent, SectionsOpenOnceAndSkipUnknownBlocks) {
    HitTable hits;
    for (const char* block : {"6", "6", "x", "5", "6", " 4", "4", "3"}) hits.append(rowOf(block));
    // A value that comes back continues its section; " 4" is not "4" and is left out.
    EXPECT_EQ(sections(hits), (std::vector<std::string>{"6 entweder", "6 oder", "5 entweder",
                                                        "6 oder", "4 entweder", "3 entweder"}));
}

}  // namespace
}  // namespace lorvex
