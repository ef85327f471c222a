#include "report/report_content.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lorvex {
namespace {

TEST(ReportContent, TitleRowTextAndProposedName) {
    EXPECT_EQ(reportTitle(49, 9999), "Lottosystem für 49 Zahlen in 9999 Reihen mit Treffertabelle");
    EXPECT_EQ(systemRowText({7, 1, 49, 10, 2, 3}), "07 01 49 10 02 03");  // stored order kept
    EXPECT_EQ(proposedReportName("/opt/lorvex/", 7, 2, ".txt"), "/opt/lorvex/07_0002.txt");
    EXPECT_EQ(proposedReportName("/opt/lorvex/", 0, 0, ".html"), "/opt/lorvex/00_0000.html");
    EXPECT_EQ(proposedReportName("/", 12, 22, ".txt"), "/12_0022.txt");
}

std::vector<std::string> sections(const HitTable& hits) {
    std::vector<std::string> seen;
    forEachSectionRow(hits, [&seen](const HitRow& row, bool opens) {
        seen.push_back(std::to_string(row.blockSize) + (opens ? " entweder" : " oder"));
    });
    return seen;
}

TEST(ReportContent, EachBlockOpensItsSectionAtItsFirstRow) {
    HitTable hits;
    for (const int block : {6, 6, 5, 4, 4, 4, 3}) {
        const bool first = hits.rowCount() == 0 || hits.rows().back().blockSize != block;
        hits.append({block, {}, 1, 100.0f, first});
    }
    EXPECT_EQ(sections(hits),
              (std::vector<std::string>{"6 entweder", "6 oder", "5 entweder", "4 entweder",
                                        "4 oder", "4 oder", "3 entweder"}));
}

}  // namespace
}  // namespace lorvex
