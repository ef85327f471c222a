#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "builder/job/build_summary.h"
#include "builder/job/system_text_output.h"
#include "builder/systems/system_builder.h"
#include "cli/build_command.h"
#include "cli/build_options.h"
#include "cli/system_cache.h"
#include "core/questions/coverage.h"
#include "core/system/system_loader.h"

namespace lorvex {
namespace {

struct UsageCase {
    std::vector<std::string_view> arguments;
    std::string problem;  // a part of the German reason
};

class BuildUsageTest : public testing::TestWithParam<UsageCase> {};

TEST_P(BuildUsageTest, IsRefusedWithTheReason) {
    const BuildCliParse parse = parseBuildArguments(GetParam().arguments);
    EXPECT_EQ(parse.kind, BuildCliParse::Kind::UsageError);
    EXPECT_NE(parse.problem.find(GetParam().problem), std::string::npos) << parse.problem;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, BuildUsageTest,
    testing::Values(
        UsageCase{{"--numbers", "12", "--guarantee", "5", "--if", "4"}, "Bei 4 Gewinnzahlen"},
        UsageCase{{"--numbers", "5", "--guarantee", "3"}, "7 bis 49 Zahlen"},
        UsageCase{{"--numbers", "50", "--guarantee", "3"}, "7 bis 49 Zahlen"},
        UsageCase{{"--numbers", "3 7 x", "--guarantee", "3"}, "\"x\" ist keine Zahl"},
        UsageCase{{"--numbers", "3 7 11 19 22 28 31", "--guarantee", "3", "--fixed", "8"},
                  "Bankzahl 8 ist keine"},
        UsageCase{{"--numbers", "12", "--guarantee", "3", "--fixed", "1 2 3 4"},
                  "mehr, als die Garantie"},
        UsageCase{{"--numbers", "12", "--guarantee", "3", "--fixed", "13"}, "Bankzahl 13"},
        UsageCase{{"--numbers", "12", "--guarantee", "3", "--fixed", "2 2"}, "nur einmal"},
        UsageCase{{"--numbers", "12"}, "--guarantee fehlt"},
        UsageCase{{"--numbers", "30", "--guarantee", "5"}, "höchstens 9999"},
        UsageCase{{"--numbers", "12", "--guarantee", "x"}, "--guarantee erwartet"},
        UsageCase{{"--numbers", "12", "--guarantee", "3", "--seconds", "-1"}, "--seconds"},
        UsageCase{{"--numbers", "12", "--numbers", "13", "--guarantee", "3"}, "nur einmal"},
        UsageCase{{"--numbers", "12", "--guarantee", "3", "--bogus", "1"}, "Unbekannte"},
        UsageCase{{"--plug", "s.txt", "--if", "4"}, "--guarantee fehlt"},
        UsageCase{{"--trim", "s.txt", "--guarantee", "3", "--rows-at-most", "0"}, "1 bis 9999"}));

// The written system loads into Lorvex again: same rows, in the loader's order, all 13 numbers
// (two rows need only 12 of them), and the analysis engine's coverage finds the guarantee met
// for every draw.
TEST(LorvexBuild, WrittenSystemLoadsBackWithItsGuarantee) {
    const builder::BuildRequest request{13, 3, 6, {}};
    builder::BuildOptions options;
    options.deadline = builder::Deadline::in(std::chrono::seconds(1));
    const builder::BuiltSystem built = builder::buildSystem(request, options);
    ASSERT_TRUE(built.proof.met());
    const std::string text = builder::systemText(built.rows);

    SystemTable table;
    ASSERT_EQ(readSystemText(text, table).outcome, LoadOutcome::Loaded);
    EXPECT_EQ(table.rowCount(), int(built.rows.size()));
    EXPECT_EQ(table.highestNumber(), 13);
    std::string reloaded;
    for (const SystemRow& row : table.rows()) {
        for (int i = 0; i < 6; ++i) {
            reloaded += (row[i] < 10 ? "0" : "") + std::to_string(row[i]) + (i < 5 ? " " : "\n");
        }
    }
    EXPECT_EQ(reloaded, text);
    const auto coverage = computeCoverage(table, 6);
    ASSERT_TRUE(coverage.has_value());
    EXPECT_EQ(coverage->withAtLeast(3), coverage->draws);
}

TEST(LorvexBuild, SummariesSayWhatThePlayerGetsInPlainWords) {
    const builder::BuildRequest withKeys{12, 4, 5, {1, 7}};
    EXPECT_EQ(builder::buildSummary(withKeys, 5, 3, 120, 0),
              "12 Zahlen, Bankzahlen 01 07, Garantie 4 wenn 5: 5 Reihen, 6,00 € je Ziehung "
              "(mindestens 3 Reihen nötig), geprüft an allen 120 Ziehungen mit den Bankzahlen");
    EXPECT_EQ(builder::buildSummary({12, 5, 5, {}}, 1320, 1320, 1533939, 0),
              "12 Zahlen, Garantie 5 wenn 5: 1.320 Reihen, 1.584,00 € je Ziehung (so wenige "
              "wie möglich), geprüft an allen 1.533.939 Ziehungen");
    const builder::Verification missed{792, 82};
    EXPECT_EQ(builder::budgetSummary({12, 4, 5, {}}, 10, missed),
              "Garantie mit 10 Reihen nicht erreicht: in 710 von 792 Ziehungen (89,6 %), "
              "12,00 € je Ziehung");
    EXPECT_EQ(builder::guaranteeSentence({12, 4, 5, {}}, {792, 0}),
              "Sind 5 Ihrer 12 Zahlen gezogen, haben Sie sicher einen Vierer.");
    EXPECT_EQ(builder::guaranteeSentence({12, 3, 6, {7, 11}}, {792, 1}),
              "Sind 6 Ihrer 12 Zahlen gezogen, darunter die Bankzahlen 07 und 11, haben Sie "
              "einen Dreier in 791 von 792 Fällen (99,9 %).");
}

// The cache folder follows the XDG rules: an absolute $XDG_CACHE_HOME, else ~/.cache; a request
// with key numbers is not kept, since its design is another shape.
TEST(LorvexBuild, KeptSystemsLiveInTheUsersCacheFolder) {
    const struct {
        const char* cacheHome;
        const char* home;
        std::optional<std::string> folder;
    } cases[] = {
        {"/c", "/h", "/c/lorvex/systeme"},      {"c", "/h", "/h/.cache/lorvex/systeme"},
        {"", "/h", "/h/.cache/lorvex/systeme"}, {nullptr, nullptr, std::nullopt},
        {nullptr, "h", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(systemCacheFolder(c.cacheHome, c.home), c.folder);
    EXPECT_EQ(systemCacheName({20, 4, 6, {}}), "20-4-wenn-6.txt");
    EXPECT_EQ(systemCacheName({20, 4, 6, {3}}), std::nullopt);
}

}  // namespace
}  // namespace lorvex
