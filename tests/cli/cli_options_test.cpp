#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lorvex {
namespace {

CliParse parse(std::vector<std::string_view> arguments) {
    return parseCliArguments(arguments);
}

TEST(CliOptions, ReadsEveryOption) {
    const CliParse result =
        parse({"--only", "4", "--html", "-o", "out.html", "--reference", "s.txt"});
    ASSERT_EQ(result.kind, CliParse::Kind::Run);
    EXPECT_EQ(result.options.request.onlyBlock, 4);
    EXPECT_EQ(result.options.request.kind, AnswerKind::HtmlReport);
    EXPECT_EQ(result.options.outputFile, "out.html");
    EXPECT_TRUE(result.options.request.reference);
    EXPECT_EQ(result.options.systemFile, "s.txt");
}

TEST(CliOptions, DashIsStandardInputAndDoubleDashEndsOptions) {
    EXPECT_EQ(parse({"-"}).options.systemFile, "-");
    EXPECT_EQ(parse({"--", "--html"}).options.systemFile, "--html");
    EXPECT_EQ(parse({"--", "--html"}).options.request.kind, AnswerKind::TextReport);
}

TEST(CliOptions, HelpWinsOverEverythingBeforeIt) {
    EXPECT_EQ(parse({"s.txt", "--help"}).kind, CliParse::Kind::Help);
}

class CliUsageErrorTest : public testing::TestWithParam<std::vector<std::string_view>> {};

TEST_P(CliUsageErrorTest, IsRefused) {
    const CliParse result = parse(GetParam());
    EXPECT_EQ(result.kind, CliParse::Kind::UsageError);
    EXPECT_FALSE(result.problem.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUsageErrorTest,
    testing::Values(std::vector<std::string_view>{}, std::vector<std::string_view>{"a", "b"},
                    std::vector<std::string_view>{"--only", "7", "s"},
                    std::vector<std::string_view>{"--only", "66", "s"},
                    std::vector<std::string_view>{"s", "--only"},
                    std::vector<std::string_view>{"s", "-o"},
                    std::vector<std::string_view>{"s", "-o", ""},
                    std::vector<std::string_view>{"--txt", "s"},
                    std::vector<std::string_view>{"--csv", "--html", "s"},
                    std::vector<std::string_view>{"--guarantee", "--holes", "5", "s"},
                    std::vector<std::string_view>{"--limit", "3", "s"},
                    std::vector<std::string_view>{"--holes", "5", "--limit", "-1", "s"},
                    std::vector<std::string_view>{"--holes", "5", "--limit", "x", "s"},
                    std::vector<std::string_view>{"--holes", "5", "--only", "4", "s"},
                    std::vector<std::string_view>{"--holes", "5", "--reference", "s"}));

struct QuestionUsageCase {
    const char* name;
    std::vector<std::string_view> arguments;
    const char* problem;  // what the message must say
};

class CliQuestionUsageTest : public testing::TestWithParam<QuestionUsageCase> {};

TEST_P(CliQuestionUsageTest, SaysWhatIsWrong) {
    const CliParse result = parse(GetParam().arguments);
    EXPECT_EQ(result.kind, CliParse::Kind::UsageError);
    EXPECT_NE(result.problem.find(GetParam().problem), std::string::npos) << result.problem;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliQuestionUsageTest,
    testing::Values(
        QuestionUsageCase{"MapWithoutNumbers", {"s", "--map"}, "--map erwartet"},
        QuestionUsageCase{"MapOfOnlySeparators", {"--map", " ,;-", "s"}, "--map erwartet"},
        QuestionUsageCase{"MapAboveFortyNine", {"--map", "1 2 50", "s"}, "50 liegt nicht"},
        QuestionUsageCase{"MapOfZero", {"--map", "0 1 2", "s"}, "0 liegt nicht"},
        QuestionUsageCase{"MapOfHugeNumber", {"--map", "99999999999", "s"}, "liegt nicht"},
        QuestionUsageCase{"MapOfWord", {"--map", "1 zwei 3", "s"}, "\"zwei\" ist keine Zahl"},
        QuestionUsageCase{"MapOfSignedNumber", {"--map", "+1 2", "s"}, "\"+1\" ist keine Zahl"},
        QuestionUsageCase{"MapOfHexLookalike", {"--map", "0x0C 2", "s"}, "\"0x0C\" ist keine Zahl"},
        QuestionUsageCase{"MapOfHugeWord", {"--map", "99999999999x", "s"}, "ist keine Zahl"},
        QuestionUsageCase{"MapRepeated", {"--map", "1 2 2", "s"}, "2 steht mehr als einmal"},
        QuestionUsageCase{"MapTwice", {"--map", "1", "--map", "2", "s"}, "nur einmal"},
        QuestionUsageCase{"CheckOfFiveNumbers", {"--check", "1 2 3 4 5", "s"}, "nicht 5"},
        QuestionUsageCase{"CheckOfSevenNumbers", {"--check", "1 2 3 4 5 6 7", "s"}, "nicht 7"},
        QuestionUsageCase{"CheckRepeated", {"--check", "1 2 3 4 5 5", "s"}, "mehr als einmal"},
        QuestionUsageCase{"CoverageAndOdds", {"--coverage", "--odds", "s"}, "Nur eine Ausgabeart"},
        QuestionUsageCase{"FrequencyAndMap", {"--frequency", "--map", "1", "s"}, "Nur eine"},
        QuestionUsageCase{"CheckAndHtml", {"--html", "--check", "1 2 3 4 5 6", "s"}, "Nur eine"},
        QuestionUsageCase{"OnlyWithOdds", {"--only", "6", "--odds", "s"}, "--only gilt nicht"},
        QuestionUsageCase{
            "OnlyWithCheck", {"--only", "6", "--check", "1 2 3 4 5 6", "s"}, "--only gilt nicht"},
        QuestionUsageCase{
            "ReferenceWithCoverage", {"--reference", "--coverage", "s"}, "--reference gilt nicht"}),
    [](const testing::TestParamInfo<QuestionUsageCase>& info) {
        return std::string(info.param.name);
    });

// The messages made from the option table, word for word as scripts and users know them.
struct TableMessageCase {
    const char* name;
    std::vector<std::string_view> arguments;
    const char* problem;
};

class CliTableMessageTest : public testing::TestWithParam<TableMessageCase> {};

TEST_P(CliTableMessageTest, IsWordForWord) {
    EXPECT_EQ(parse(GetParam().arguments).problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliTableMessageTest,
    testing::Values(
        TableMessageCase{"SameAnswerTwice",
                         {"--csv", "--csv", "s"},
                         "Nur eine Ausgabeart wählen: --html, --csv, --guarantee, --holes, "
                         "--coverage, --odds, --frequency, --map/--check oder --draws."},
        TableMessageCase{"LimitWithoutHoles",
                         {"--only", "6", "--limit", "3", "--odds", "s"},
                         "--limit gilt nur zusammen mit --holes."},
        TableMessageCase{"ReferenceBeforeOnly",
                         {"--reference", "--only", "6", "--odds", "s"},
                         "--reference gilt nicht für --coverage, --odds, --frequency, --map, "
                         "--check und --draws."},
        TableMessageCase{"ReferenceWithHoles",
                         {"--holes", "5", "--reference", "s"},
                         "--reference gilt nicht für --holes."},
        TableMessageCase{"OnlyWithFrequency",
                         {"--only", "5", "--frequency", "s"},
                         "--only gilt nicht für --odds, --frequency, --map, --check und --draws."},
        TableMessageCase{"OutputWithoutName", {"s", "--output"}, "-o erwartet einen Dateinamen."},
        TableMessageCase{
            "CheckWithoutDraw", {"s", "--check"}, "--check erwartet die sechs gezogenen Zahlen."}),
    [](const testing::TestParamInfo<TableMessageCase>& info) {
        return std::string(info.param.name);
    });

TEST(CliOptions, UsageLinesAreMadeFromTheTableAsScriptsKnowThem) {
    const std::string usage = cliUsage();
    EXPECT_TRUE(usage.starts_with(
        "Aufruf: lorvex-report [--only K] [--html | --csv | --guarantee]\n"
        "                      [--numbers \"N1 ... NV\"] [--numbers-used] [-o DATEI]\n"
        "                      [--reference] SYSTEMDATEI\n"
        "       lorvex-report --holes K [--limit N] [--numbers \"N1 ... NV\"]\n"
        "                      [--numbers-used] [-o DATEI] SYSTEMDATEI\n"))
        << usage;
    EXPECT_NE(usage.find("\n  --only K      nur die Analyse für K Treffer"), std::string::npos);
    EXPECT_NE(usage.find("\n  --map \"N1 ... NM\"\n                das System auf eigenen"),
              std::string::npos);
    EXPECT_NE(usage.find("(Vorgabe 100,\n                0 = alle)\n"), std::string::npos);
    EXPECT_EQ(usage.find("--output"), std::string::npos);  // a second spelling, not shown
}

TEST(CliOptions, PlayedNumbersComeAsAListOrFromTheSystemButNotBoth) {
    const CliParse listed = parse({"--numbers", "3 7 11 19 22 28 31", "--coverage", "s"});
    ASSERT_EQ(listed.kind, CliParse::Kind::Run);
    EXPECT_EQ(listed.options.request.playedNumbers, (std::vector<int>{3, 7, 11, 19, 22, 28, 31}));
    EXPECT_TRUE(parse({"--numbers-used", "--check", "1 2 3 4 5 6", "s"}).options.numbersInSystem);
    for (const auto& both :
         {std::vector<std::string_view>{"--numbers", "1 2", "--numbers-used", "s"},
          {"--numbers-used", "--numbers", "1 2", "s"}}) {
        EXPECT_EQ(parse(both).kind, CliParse::Kind::UsageError);
    }
    EXPECT_EQ(parse({"--numbers", "3 3", "s"}).kind, CliParse::Kind::UsageError);
}

TEST(CliOptions, HolesTakeTheirBlockAndLimit) {
    const CliParse result = parse({"--only", "5", "--holes", "5", "--limit", "0", "s"});
    ASSERT_EQ(result.kind, CliParse::Kind::Run);
    EXPECT_EQ(result.options.request.kind, AnswerKind::Holes);
    EXPECT_EQ(result.options.request.holesBlock, 5);
    EXPECT_EQ(result.options.request.holesLimit, 0);
    EXPECT_EQ(parse({"--holes", "3", "s"}).options.request.holesLimit, 100);
}

TEST(CliOptions, MapAndCheckReadNumbersSeparatedAsInASystemLine) {
    const CliParse result = parse({"--map", " 07\t3,,9;-12 ", "--check", "1-2-3-4-5-49", "s"});
    ASSERT_EQ(result.kind, CliParse::Kind::Run);
    EXPECT_EQ(result.options.request.kind, AnswerKind::DrawCheck);
    EXPECT_EQ(result.options.request.ownNumbers, (std::vector<int>{7, 3, 9, 12}));
    EXPECT_EQ(result.options.request.drawNumbers, (std::array<int, 6>{1, 2, 3, 4, 5, 49}));
    EXPECT_EQ(parse({"--map", "1", "s"}).options.request.kind, AnswerKind::MappedSystem);
    EXPECT_EQ(parse({"--only", "4", "--coverage", "s"}).kind, CliParse::Kind::Run);
}

}  // namespace
}  // namespace lorvex
