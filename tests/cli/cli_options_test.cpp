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
    EXPECT_EQ(result.options.onlyBlock, 4);
    EXPECT_EQ(result.options.output, CliOutput::HtmlReport);
    EXPECT_EQ(result.options.outputFile, "out.html");
    EXPECT_TRUE(result.options.reference);
    EXPECT_EQ(result.options.systemFile, "s.txt");
}

TEST(CliOptions, DashIsStandardInputAndDoubleDashEndsOptions) {
    EXPECT_EQ(parse({"-"}).options.systemFile, "-");
    EXPECT_EQ(parse({"--", "--html"}).options.systemFile, "--html");
    EXPECT_EQ(parse({"--", "--html"}).options.output, CliOutput::TextReport);
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

TEST(CliOptions, HolesTakeTheirBlockAndLimit) {
    const CliParse result = parse({"--only", "5", "--holes", "5", "--limit", "0", "s"});
    ASSERT_EQ(result.kind, CliParse::Kind::Run);
    EXPECT_EQ(result.options.output, CliOutput::Holes);
    EXPECT_EQ(result.options.holesBlock, 5);
    EXPECT_EQ(result.options.holesLimit, 0);
    EXPECT_EQ(parse({"--holes", "3", "s"}).options.holesLimit, 100);
}

}  // namespace
}  // namespace lorvex
