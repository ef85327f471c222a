// The number rules: ParseInteger on any text against a plain reading of its rule, the
// FormatInteger/ParseInteger round trip over all 64-bit values, and FormatDecimal's shape for any
// single-precision value and any number of decimals, digit for digit against the C library's
// "%.*f" (the fuzzer runs in the "C" locale).
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/text/conversions.h"
#include "fuzz_check.h"

namespace {

using lorvex::fuzz::FuzzInput;
using lorvex::fuzz::require;

constexpr std::size_t kLongestDecimalText = 553;

int digitOf(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Skip blanks and tabs, one sign, "$" or "%", then digits of the base with wrap-around.
std::int64_t referenceParse(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return 0;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    unsigned base = 10;
    if (i < text.size() && text[i] == '$') base = 16;
    if (i < text.size() && text[i] == '%') base = 2;
    if (base != 10) ++i;
    std::uint64_t value = 0;
    for (; i < text.size() && static_cast<unsigned>(digitOf(text[i])) < base; ++i)
        value = value * base + static_cast<unsigned>(digitOf(text[i]));
    return static_cast<std::int64_t>(negative ? 0 - value : value);
}

void checkIntegers(std::int64_t value, std::string_view text) {
    const std::string written = lorvex::FormatInteger(value);
    require(lorvex::ParseInteger(written) == value, "FormatInteger text reads back as the value");
    require(written == std::to_string(value), "FormatInteger writes plain decimal");
    require(lorvex::ParseInteger(text) == referenceParse(text), "ParseInteger follows its rule");
}

// "-" followed by nothing but zeros and a decimal point.
bool isNegativeZeroText(std::string_view text) {
    return text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string_view::npos;
}

std::string cLibraryFixed(float value, int decimals) {
    char buffer[600];
    const int length =
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
    std::string text(buffer, static_cast<std::size_t>(length));
    if (isNegativeZeroText(text)) text.erase(0, 1);
    return text;
}

void checkDecimal(float value, int decimals) {
    const std::string text = lorvex::FormatDecimal(value, decimals);
    require(!text.empty() && text.size() <= kLongestDecimalText, "FormatDecimal length 1..553");
    require(!isNegativeZeroText(text), "zero never carries a minus sign");
    if (!std::isfinite(value)) return;
    const int shown = decimals == -1 ? 10 : std::clamp(decimals, 0, 512);
    const std::size_t point = text.find('.');
    require(shown == 0 ? point == std::string::npos : text.size() - point - 1 == std::size_t(shown),
            "exactly the requested decimals");
    require(text.find_first_not_of("-0123456789.") == std::string::npos, "fixed-point digits only");
    const double readBack = std::strtod(text.c_str(), nullptr);
    require(std::fabs(readBack - static_cast<double>(value)) <=
                0.5 * std::pow(10.0, -shown) * (1 + 1e-9) + std::fabs(value) * 1e-15,
            "the text is the value rounded to the decimals shown");
    require(text == cLibraryFixed(value, shown), "the same digits as the C library's %.*f");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const auto value = static_cast<std::int64_t>(input.bits<std::uint64_t>());
    const float decimal = std::bit_cast<float>(input.bits<std::uint32_t>());
    const auto decimals = static_cast<std::int32_t>(input.bits<std::uint32_t>());
    checkDecimal(decimal, decimals);
    checkDecimal(decimal, static_cast<int>(decimals % 16));
    checkIntegers(value, input.rest());
    return 0;
}
