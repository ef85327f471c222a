#include "cli/terminal_text.h"

#include <gtest/gtest.h>

namespace lorvex {
namespace {

TEST(TerminalText, CodesetNames) {
    EXPECT_EQ(terminalEncoding("UTF-8"), TextEncoding::Utf8);
    EXPECT_EQ(terminalEncoding("ISO-8859-15"), TextEncoding::Latin1);
    EXPECT_EQ(terminalEncoding("ANSI_X3.4-1968"), TextEncoding::Ascii);  // the "C" locale
}

struct Conversion {
    const char* name;
    std::string_view bytes;
    TextEncoding from;
    TextEncoding to;
    std::string_view shown;
};

class ForTerminalTest : public testing::TestWithParam<Conversion> {};

TEST_P(ForTerminalTest, ShowsTheTextInTheTerminalsCharacterSet) {
    const Conversion& c = GetParam();
    EXPECT_EQ(forTerminal(c.bytes, c.from, c.to), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForTerminalTest,
    testing::Values(Conversion{"ReportOnUtf8", "f\xFCr\r\n", TextEncoding::Latin1,
                               TextEncoding::Utf8, "für\r\n"},
                    Conversion{"ReportOnLatin1", "f\xFCr", TextEncoding::Latin1,
                               TextEncoding::Latin1, "f\xFCr"},
                    Conversion{"AnswerOnLatin1", "häufigste 系", TextEncoding::Utf8,
                               TextEncoding::Latin1, "h\xE4ufigste ?"},
                    Conversion{"ReportOnAscii", "f\xFCr", TextEncoding::Latin1, TextEncoding::Ascii,
                               "f?r"},
                    Conversion{"AnswerOnUtf8", "häufigste", TextEncoding::Utf8, TextEncoding::Utf8,
                               "häufigste"}),
    [](const testing::TestParamInfo<Conversion>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lorvex
