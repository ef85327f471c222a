#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The program's own rules for numbers as text. Every number Lorvex writes goes through
// FormatInteger or FormatDecimal, so no locale ever changes a digit, sign or decimal mark.
namespace lorvex {

// Plain decimal: "-" for negatives, no "+", no leading zeros, no grouping.
std::string FormatInteger(std::int64_t value);

// Fixed-point text with `decimals` digits after "." (-1 means 10; others clamped to 0..512).
// Infinities give "+Infinity"/"-Infinity", NaN gives "NaN"; zero never carries a minus sign.
std::string FormatDecimal(float value, int decimals);
// The same for figures that single precision cannot hold to the last decimal shown.
std::string FormatDecimal(double value, int decimals);

// For text meant for people rather than for the reports: thousands dots ("1.533.939") and a
// decimal comma ("89,6"), as German writes them.
std::string GroupedInteger(std::int64_t value);
std::string DecimalComma(double value, int decimals);

// Decimal, "$" hexadecimal or "%" binary after optional blanks/tabs and one sign. Stops at the
// first character that is no digit of the base; wraps around on overflow; no digit gives 0.
std::int64_t ParseInteger(std::string_view text);
// The same, but nothing when the digits' value does not fit 64 bits (instead of wrapping), so
// that "18446744073709551617" is no 1 in disguise.
std::optional<std::int64_t> ParseIntegerExact(std::string_view text);

// Exactly max(width, 0) bytes: right-aligned with the first byte of `pad` (blank if empty),
// a longer text cut at the right.
std::string PadLeft(std::string_view text, int width, std::string_view pad = " ");

// UTF-8 to ISO 8859-1, appended to `latin1`; anything outside becomes "?".
void appendLatin1(std::string& latin1, std::string_view utf8);
std::string Utf8ToLatin1(std::string_view utf8);

// The characters of a UTF-8 text (its bytes less the continuation bytes).
std::size_t Utf8CharacterCount(std::string_view utf8);

}  // namespace lorvex
