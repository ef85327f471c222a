#include "core/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace lorvex {
namespace {

TEST(FormatInteger, WritesPlainDecimal) {
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(13983816), "13983816");
    EXPECT_EQ(FormatInteger(-7), "-7");
    // The magnitude of the most negative values does not fit their own type.
    EXPECT_EQ(FormatInteger(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(FormatInteger(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(FormatInteger(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
}

struct DecimalCase {
    float value;
    int decimals;
    const char* text;
};

class FormatDecimalTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(FormatDecimalTest, Writes) {
    EXPECT_EQ(FormatDecimal(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatDecimalTest,
    testing::Values(DecimalCase{100.0f, 3, "100.000"}, DecimalCase{33.333332f, 3, "33.333"},
                    DecimalCase{28.571428f, 3, "28.571"}, DecimalCase{0.0000072f, 3, "0.000"},
                    DecimalCase{-0.0f, 3, "0.000"},  // zero never shows a minus sign
                    // nor does a negative value that rounds to zero (found by fuzzing)
                    DecimalCase{-0.0001f, 3, "0.000"}, DecimalCase{-0.4f, 0, "0"},
                    DecimalCase{-1e-45f, -1, "0.0000000000"}, DecimalCase{-1.5f, 1, "-1.5"},
                    DecimalCase{2.5f, 0, "2"},
                    DecimalCase{0.25f, -1, "0.2500000000"},  // -1 decimals means ten
                    DecimalCase{1.0f, -5, "1"},              // negative widths clamp to none
                    DecimalCase{std::numeric_limits<float>::infinity(), 3, "+Infinity"},
                    DecimalCase{-std::numeric_limits<float>::infinity(), 3, "-Infinity"},
                    DecimalCase{std::numeric_limits<float>::quiet_NaN(), 3, "NaN"}));

TEST(FormatDecimal, LargestValueWithMostDecimalsIsWhole) {
    const std::string text = FormatDecimal(std::numeric_limits<float>::max(), 10000);
    EXPECT_EQ(text.size(), 552u);  // 553 with the terminating NUL
    EXPECT_EQ(text.substr(0, 10), "3402823466");
}

struct ParseCase {
    const char* text;
    std::int64_t value;
};

class ParseIntegerTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntegerTest, Reads) {
    EXPECT_EQ(ParseInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntegerTest,
    testing::Values(ParseCase{"07", 7}, ParseCase{"12abc", 12}, ParseCase{"5.9", 5},
                    ParseCase{"abc", 0}, ParseCase{"", 0}, ParseCase{" +8", 8},
                    ParseCase{"\t 9", 9}, ParseCase{"-3", -3},
                    ParseCase{"- 3", 0},  // no blank between sign and digits
                    ParseCase{"$1F", 31}, ParseCase{"$ff", 255}, ParseCase{"-$10", -16},
                    ParseCase{"%101", 5}, ParseCase{"%2", 0}, ParseCase{"$", 0},
                    ParseCase{"+-1", 0},
                    // Overflow wraps in 64 bits: 2^64 + 5 reads as 5.
                    ParseCase{"18446744073709551621", 5},
                    ParseCase{"9223372036854775808", std::numeric_limits<std::int64_t>::min()},
                    ParseCase{"$FFFFFFFFFFFFFFFF", -1}));

TEST(ParseInteger, FiftyDigitsWrapWithoutFault) {
    // 10^50 mod 2^64, computed independently.
    EXPECT_EQ(static_cast<std::uint64_t>(ParseInteger("1" + std::string(50, '0'))),
              13070572018536022016ULL);
}

TEST(PadLeft, AlignsRightAndCutsAtTheRight) {
    EXPECT_EQ(PadLeft("7", 4, "0"), "0007");
    EXPECT_EQ(PadLeft("12345", 4, "0"), "1234");
    EXPECT_EQ(PadLeft("12", 2, "0"), "12");
    EXPECT_EQ(PadLeft("10", 1, "0"), "1");
    EXPECT_EQ(PadLeft("abc", 0, "0"), "");
    EXPECT_EQ(PadLeft("abc", -3, "0"), "");
    EXPECT_EQ(PadLeft("x", 3, ""), "  x");    // no pad text pads with blanks
    EXPECT_EQ(PadLeft("x", 3, "-+"), "--x");  // only the first byte counts
    EXPECT_EQ(PadLeft("", 5, "-"), "-----");
}

TEST(Substring, TakesAtMostLengthBytesFromStart) {
    EXPECT_EQ(Substring("0010120105", 4, 3), "012");
    EXPECT_EQ(Substring("abc", 5, 2), "");
    EXPECT_EQ(Substring("abc", 0, 2), "ab");
    EXPECT_EQ(Substring("abc", -7, 2), "ab");
    EXPECT_EQ(Substring("abcd", 2, 9), "bcd");
    EXPECT_EQ(Substring("abc", 1, 0), "");
    EXPECT_EQ(Substring("abc", 1, -1), "");
}

TEST(TextEquals, ComparesExactBytes) {
    EXPECT_TRUE(TextEquals("6", "6"));
    EXPECT_FALSE(TextEquals("6", "6 "));
    EXPECT_FALSE(TextEquals("a", "A"));
    EXPECT_TRUE(TextEquals("", {}));
}

TEST(Utf8ToLatin1, KeepsLatin1AndMarksTheRest) {
    EXPECT_EQ(Utf8ToLatin1("/home/j\xC3\xBCrgen/S\xC3\xA4tze.txt"), "/home/j\xFCrgen/S\xE4tze.txt");
    EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC 5"), "? 5");  // the euro sign lies outside
    EXPECT_EQ(Utf8ToLatin1("\xF0\x9F\x8E\xB2x"), "?x");
    EXPECT_EQ(Utf8ToLatin1("\xFF\xC3"), "??");  // broken sequences do not swallow text
}

}  // namespace
}  // namespace lorvex
