#include "conversions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace lorvex {

std::string FormatInteger(std::int64_t value) {
    // Work on the magnitude as unsigned so that the most negative value has no overflow.
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    char digits[24];
    int pos = sizeof digits;
    do {
        digits[--pos] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) digits[--pos] = '-';
    return std::string(digits + pos, digits + sizeof digits);
}

std::string FormatDecimal(float value, int decimals) {
    return FormatDecimal(static_cast<double>(value), decimals);
}

std::string FormatDecimal(double value, int decimals) {
    if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
    if (std::isnan(value)) return "NaN";
    if (decimals == -1) decimals = 10;
    decimals = std::clamp(decimals, 0, 512);
    if (value == 0.0) value = 0.0;  // drops the sign of negative zero
    char buffer[840];               // the widest result, -DBL_MAX with 512 decimals, is 823 bytes
    const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer, static_cast<std::size_t>(std::max(length, 0)));
    // A negative value that rounds to zero ("-0.000") is zero too, and shown without a sign.
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

namespace {

int digitValue(char c, int base) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    return digit < base ? digit : -1;
}

}  // namespace

std::int64_t ParseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    // Unsigned arithmetic wraps by definition; the result is the same bits as 64-bit wrapping.
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) break;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (negative) value = ~value + 1;
    return static_cast<std::int64_t>(value);
}

std::string PadLeft(std::string_view text, int width, std::string_view pad) {
    const std::size_t w = width < 0 ? 0 : static_cast<std::size_t>(width);
    const std::size_t n = std::min(text.size(), w);
    const char padChar = pad.empty() ? ' ' : pad.front();
    std::string result(w - n, padChar);
    result.append(text.substr(0, n));
    return result;
}

std::string Substring(std::string_view text, int start, int length) {
    if (length <= 0) return {};
    const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= text.size()) return {};
    return std::string(text.substr(from, static_cast<std::size_t>(length)));
}

bool TextEquals(std::string_view a, std::string_view b) {
    return a == b;
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            result += static_cast<char>(lead);
            ++i;
            continue;
        }
        const bool twoBytes = (lead & 0xE0) == 0xC0 && i + 1 < utf8.size() &&
                              (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80;
        if (twoBytes) {
            const unsigned code = ((lead & 0x1Fu) << 6) | (utf8[i + 1] & 0x3Fu);
            result += code < 0x100 ? static_cast<char>(code) : '?';
            i += 2;
            continue;
        }
        // Longer sequences lie outside ISO 8859-1: one "?" for the lead and its continuations.
        result += '?';
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
    return result;
}

}  // namespace lorvex
