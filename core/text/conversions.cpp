#include "core/text/conversions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

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

namespace {

// The exact decimal value of a finite, non-negative float or double: digits * 10^-fractionDigits.
// Such a value is an integer mantissa times a power of two, and 2^-k is 5^k * 10^-k, so it has a
// finite decimal expansion: for a float at most 39 integer digits (FLT_MAX) or 112 digits in all
// (2^-149 with a full mantissa), for a double at most 309 integer digits or 767 digits in all.
template <class Float>
class ExactDecimal {
public:
    explicit ExactDecimal(Float magnitude) {
        int exponent = 0;
        const Float fraction = std::frexp(magnitude, &exponent);  // in [0.5, 1), or 0
        auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
        exponent -= kMantissaBits;
        // A subnormal's mantissa, normalised, has trailing zero bits below the smallest step;
        // dropping them keeps the digit count as small as the value needs.
        for (; mantissa != 0 && mantissa % 2 == 0 && exponent < 0; mantissa /= 2) ++exponent;
        for (; mantissa != 0; mantissa /= 10) {
            digits_[static_cast<std::size_t>(count_++)] = static_cast<std::uint8_t>(mantissa % 10);
        }
        // In steps whose factor fits 32 bits: 2^29 and 5^13.
        while (exponent > 0) {
            const int step = std::min(exponent, 29);
            multiplyBy(std::uint32_t{1} << step);
            exponent -= step;
        }
        while (exponent < 0) {
            const int step = std::min(-exponent, 13);
            multiplyBy(powerOfFive(step));
            fractionDigits_ += step;
            exponent += step;
        }
    }

    // The digit at `position` places left of the decimal point (0 is the units, -1 the tenths).
    int digit(int position) const {
        const int index = position + fractionDigits_;
        return index >= 0 && index < count_ ? digits_[static_cast<std::size_t>(index)] : 0;
    }
    int integerDigits() const { return std::max(count_ - fractionDigits_, 1); }

    // Whether any digit right of `position` is not zero.
    bool nonZeroBelow(int position) const {
        for (int index = std::min(position + fractionDigits_, count_) - 1; index >= 0; --index) {
            if (digits_[static_cast<std::size_t>(index)] != 0) return true;
        }
        return false;
    }

private:
    static constexpr int kMantissaBits = std::numeric_limits<Float>::digits;
    static constexpr std::size_t kMaxDigits = sizeof(Float) == sizeof(float) ? 120 : 780;

    static std::uint32_t powerOfFive(int exponent) {
        std::uint32_t power = 1;
        while (exponent-- > 0) power *= 5;
        return power;
    }

    void multiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (int i = 0; i < count_; ++i) {
            carry += std::uint64_t{digits_[static_cast<std::size_t>(i)]} * factor;
            digits_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(carry % 10);
            carry /= 10;
        }
        for (; carry != 0; carry /= 10) {
            digits_[static_cast<std::size_t>(count_++)] = static_cast<std::uint8_t>(carry % 10);
        }
    }

    std::array<std::uint8_t, kMaxDigits> digits_{};  // least significant first
    int count_ = 0;
    int fractionDigits_ = 0;
};

int digitValue(char c, int base) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    return digit < base ? digit : -1;
}

// Adds one unit in the last place of a text of digits and at most one ".".
void roundUp(std::string& text) {
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == '.') continue;
        if (text[i] != '9') {
            ++text[i];
            return;
        }
        text[i] = '0';
    }
    text.insert(text.begin(), '1');
}

using Wide = unsigned __int128;

// The digits of magnitude * 10^decimals rounded half to even, as an integer, where it fits
// 128 bits: the case of nearly every figure the program writes, at a fraction of the cost of
// the full expansion. The value is mantissa * 2^exponent, so the product is
// mantissa * 5^decimals * 2^(exponent + decimals), exact in integers.
template <class Float>
std::optional<Wide> scaledAndRounded(Float magnitude, int decimals) {
    constexpr int kMantissaBits = std::numeric_limits<Float>::digits;
    if (decimals > 27) return std::nullopt;  // 5^27 * 2^53 still fits
    int exponent = 0;
    const Float fraction = std::frexp(magnitude, &exponent);
    Wide product = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    for (int i = 0; i < decimals; ++i) product *= 5;
    const int shift = kMantissaBits - exponent - decimals;  // bits right of the binary point
    if (shift <= 0) {
        if (-shift >= 128 || product > (~Wide{0} >> -shift)) return std::nullopt;
        return product << -shift;
    }
    if (shift >= 128) return std::nullopt;
    const Wide kept = product >> shift;
    const Wide rest = product - (kept << shift);
    const Wide half = Wide{1} << (shift - 1);
    return kept + ((rest > half || (rest == half && (kept & 1) != 0)) ? 1 : 0);
}

// The integer's digits with a "." before the last `decimals` of them.
std::string withDecimalPoint(Wide scaled, int decimals) {
    std::string digits;
    do {
        digits += static_cast<char>('0' + static_cast<int>(scaled % 10));
        scaled /= 10;
    } while (scaled != 0);
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.append(static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    std::reverse(digits.begin(), digits.end());
    if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return digits;
}

template <class Float>
std::string exactText(Float magnitude, int decimals) {
    if (const std::optional<Wide> scaled = scaledAndRounded(magnitude, decimals)) {
        return withDecimalPoint(*scaled, decimals);
    }
    const ExactDecimal<Float> exact(magnitude);
    std::string text;
    text.reserve(static_cast<std::size_t>(exact.integerDigits() + decimals + 2));
    for (int position = exact.integerDigits() - 1; position >= -decimals; --position) {
        if (position == -1) text += '.';
        text += static_cast<char>('0' + exact.digit(position));
    }
    // Round to nearest on the exact value; a tie goes to the even neighbour.
    const int firstDropped = -decimals - 1;
    const int dropped = exact.digit(firstDropped);
    const bool lastKeptOdd = (text.back() - '0') % 2 != 0;
    if (dropped > 5 || (dropped == 5 && (exact.nonZeroBelow(firstDropped) || lastKeptOdd))) {
        roundUp(text);
    }
    return text;
}

template <class Float>
std::string formatDecimal(Float value, int decimals) {
    if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
    if (std::isnan(value)) return "NaN";
    if (decimals == -1) decimals = 10;
    decimals = std::clamp(decimals, 0, 512);
    // Written from the exact value by the program's own rule, as the C library's "%.*f" does in
    // the "C" locale, but never with the decimal mark of the locale the toolkit has set.
    std::string text = exactText(std::fabs(value), decimals);
    // Zero, and a negative value that rounds to zero, are shown without a sign.
    if (value < 0 && text.find_first_not_of("0.") != std::string::npos) text.insert(0, 1, '-');
    return text;
}

}  // namespace

std::string FormatDecimal(float value, int decimals) {
    return formatDecimal(value, decimals);
}

std::string FormatDecimal(double value, int decimals) {
    return formatDecimal(value, decimals);
}

namespace {

// "-1234567.5" as "-1.234.567,5": the whole digits grouped by three, "," for the point.
std::string germanNumber(std::string_view plain) {
    const std::size_t from = plain.starts_with('-') ? 1 : 0;
    const std::size_t point = std::min(plain.find('.'), plain.size());
    std::string text(plain.substr(0, from));
    for (std::size_t i = from; i < point; ++i) {
        if (i > from && (point - i) % 3 == 0) text += '.';
        text += plain[i];
    }
    if (point < plain.size()) text.append(",").append(plain.substr(point + 1));
    return text;
}

}  // namespace

std::string GroupedInteger(std::int64_t value) {
    return germanNumber(FormatInteger(value));
}

std::string DecimalComma(double value, int decimals) {
    return germanNumber(FormatDecimal(value, decimals));
}

namespace {

struct ReadInteger {
    std::int64_t value = 0;  // wrapped around 64 bits
    bool fits = true;        // the digits' value fits 64 bits without wrapping
};

// The check for values beyond 64 bits costs a compare per digit; only ParseIntegerExact pays it.
template <bool CheckFits>
ReadInteger readInteger(std::string_view text) {
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
    constexpr std::uint64_t kLargest = std::numeric_limits<std::uint64_t>::max();
    const auto unsignedBase = static_cast<std::uint64_t>(base);
    // value * base + digit fits exactly when value stays below these (no division per digit).
    const std::uint64_t largestValue = kLargest / unsignedBase;
    const std::uint64_t largestLastDigit = kLargest % unsignedBase;
    std::uint64_t value = 0;
    bool fits = true;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) break;
        const auto unsignedDigit = static_cast<std::uint64_t>(digit);
        if constexpr (CheckFits) {
            if (value > largestValue || (value == largestValue && unsignedDigit > largestLastDigit))
                fits = false;
        }
        value = value * unsignedBase + unsignedDigit;
    }
    if (negative) value = ~value + 1;
    return {static_cast<std::int64_t>(value), fits};
}

}  // namespace

std::int64_t ParseInteger(std::string_view text) {
    return readInteger<false>(text).value;
}

std::optional<std::int64_t> ParseIntegerExact(std::string_view text) {
    const ReadInteger read = readInteger<true>(text);
    if (!read.fits) return std::nullopt;
    return read.value;
}

std::string PadLeft(std::string_view text, int width, std::string_view pad) {
    const std::size_t w = width < 0 ? 0 : static_cast<std::size_t>(width);
    const std::size_t n = std::min(text.size(), w);
    const char padChar = pad.empty() ? ' ' : pad.front();
    std::string result(w - n, padChar);
    result.append(text.substr(0, n));
    return result;
}

void appendLatin1(std::string& result, std::string_view utf8) {
    // Report lines are nearly all ASCII: those go over whole.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
        result += utf8;
        return;
    }
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
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    appendLatin1(result, utf8);
    return result;
}

std::size_t Utf8CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace lorvex
