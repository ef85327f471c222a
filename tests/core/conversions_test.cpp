#include "core/text/conversions.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

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
                    // an exact half goes to the even neighbour; a carry may add a digit
                    DecimalCase{0.0625f, 3, "0.062"}, DecimalCase{0.375f, 2, "0.38"},
                    DecimalCase{9.5f, 0, "10"}, DecimalCase{99.99951f, 3, "100.000"},
                    DecimalCase{1e-45f, 50, "0.00000000000000000000000000000000000000000000140130"},
                    DecimalCase{0.25f, -1, "0.2500000000"},  // -1 decimals means ten
                    DecimalCase{1.0f, -5, "1"},              // negative widths clamp to none
                    DecimalCase{std::numeric_limits<float>::infinity(), 3, "+Infinity"},
                    DecimalCase{-std::numeric_limits<float>::infinity(), 3, "-Infinity"},
                    DecimalCase{std::numeric_limits<float>::quiet_NaN(), 3, "NaN"}));

TEST(GermanNumbers, GroupThousandsWithDotsAndUseADecimalComma) {
    for (const auto& [value, text] : std::initializer_list<std::pair<std::int64_t, const char*>>{
             {0, "0"},
             {999, "999"},
             {1000, "1.000"},
             {1533939, "1.533.939"},
             {-1234567, "-1.234.567"},
             {INT64_MIN, "-9.223.372.036.854.775.808"}}) {
        EXPECT_EQ(GroupedInteger(value), text);
    }
    EXPECT_EQ(DecimalComma(89.6456, 1), "89,6");
    EXPECT_EQ(DecimalComma(-12345.25, 2), "-12.345,25");
    EXPECT_EQ(DecimalComma(100.0, 0), "100");
}

TEST(FormatDecimal, LargestValueWithMostDecimalsIsWhole) {
    const std::string text = FormatDecimal(std::numeric_limits<float>::max(), 10000);
    EXPECT_EQ(text.size(), 552u);  // 553 with the terminating NUL
    EXPECT_EQ(text.substr(0, 10), "3402823466");
}

// The C library's "%.*f" in the "C" locale, the rule FormatDecimal follows, less the minus sign
// on a value that rounds to zero.
std::string cLibraryFixed(float value, int decimals) {
    char buffer[600];
    const int length =
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
    std::string text(buffer, static_cast<std::size_t>(length));
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

TEST(FormatDecimal, MatchesTheCLibraryDigitForDigit) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> fewDecimals(0, 24);
    std::uniform_int_distribution<int> anyDecimals(0, 512);
    for (int i = 0; i < 200000; ++i) {
        // Any bit pattern, and small binary fractions, which give exact halves at few decimals.
        const float anyFloat = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        const float binaryFraction =
            std::ldexp(static_cast<float>(random() % 8192 + 1), -static_cast<int>(random() % 24));
        for (const float value : {anyFloat, -binaryFraction, binaryFraction}) {
            if (!std::isfinite(value)) continue;
            const int decimals = i % 50 == 0 ? anyDecimals(random) : fewDecimals(random);
            ASSERT_EQ(FormatDecimal(value, decimals), cLibraryFixed(value, decimals))
                << std::hexfloat << value << " with " << decimals << " decimals";
        }
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
}

// The desktop toolkit sets the locale from the environment; a German one has a decimal comma.
TEST(FormatDecimal, IgnoresTheProcessLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    const std::string text = FormatDecimal(28.571428f, 3);
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(text, "28.571");
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

TEST(Utf8ToLatin1, KeepsLatin1AndMarksTheRest) {
    EXPECT_EQ(Utf8ToLatin1("/home/j\xC3\xBCrgen/S\xC3\xA4tze.txt"), "/home/j\xFCrgen/S\xE4tze.txt");
    EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC 5"), "? 5");  // the euro sign lies outside
    EXPECT_EQ(Utf8ToLatin1("\xF0\x9F\x8E\xB2x"), "?x");
    EXPECT_EQ(Utf8ToLatin1("\xFF\xC3"), "??");  // broken sequences do not swallow text
}

}  // namespace
}  // namespace lorvex
