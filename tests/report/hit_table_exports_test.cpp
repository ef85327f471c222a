#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/analysis/hit_analysis.h"
#include "report/guarantee.h"
#include "report/hit_table_csv.h"

namespace lorvex {
namespace {

HitTable twoRowKomplett() {
    SystemTable system;
    system.appendRow({1, 2, 3, 4, 5, 6});
    system.appendRow({1, 2, 3, 4, 5, 7});
    HitTable hits;
    HitAnalysis analysis(system, hits);
    for (const int k : {6, 5, 4, 3}) analysis.run(k);
    return hits;
}

TEST(Guarantee, ReadsTheWorstPatternOfEachBlock) {
    EXPECT_EQ(
        guaranteeLines(twoRowKomplett()),
        (std::vector<std::string>{"Garantie bei 6 Treffern in den Systemzahlen: mindestens ein 5er",
                                  "Garantie bei 5 Treffern in den Systemzahlen: mindestens ein 4er",
                                  "Garantie bei 4 Treffern in den Systemzahlen: mindestens ein 3er",
                                  "Garantie bei 3 Treffern in den Systemzahlen: keine"}));
}

TEST(Guarantee, SingleBlockAndEmptyTable) {
    HitTable hits;
    EXPECT_TRUE(guaranteeLines(hits).empty());
    hits.append({5, {{0, 1, 0, 0}}, 3, 50.0f, true});
    hits.append({5, {{0, 0, 0, 7}}, 3, 50.0f, false});
    EXPECT_EQ(guaranteeLines(hits),
              (std::vector<std::string>{"Garantie bei 5 Treffern in den Systemzahlen: "
                                        "mindestens ein 3er"}));
}

TEST(HitTableCsv, WritesUtf8WithMarkSemicolonsAndDecimalComma) {
    const std::string csv = hitTableCsv(twoRowKomplett());
    const std::string expectedStart =
        "\xEF\xBB\xBFTreffer;6er;5er;4er;3er;F\xC3\xA4lle;Prozent\r\n"
        "6;1;1;;;2;28,571\r\n"
        "6;;2;;;5;71,429\r\n"
        "5;;2;;;1;4,762\r\n";
    EXPECT_EQ(csv.substr(0, expectedStart.size()), expectedStart);
    EXPECT_TRUE(csv.ends_with("3;;;;;5;14,286\r\n"));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 12);
}

TEST(HitTableCsv, EmptyTableIsTheHeaderAlone) {
    EXPECT_EQ(hitTableCsv(HitTable{}),
              "\xEF\xBB\xBFTreffer;6er;5er;4er;3er;F\xC3\xA4lle;Prozent\r\n");
}

}  // namespace
}  // namespace lorvex
