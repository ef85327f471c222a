#include "reference_text_rules.h"

#include <algorithm>
#include <cstdint>

#include "core/text/conversions.h"

namespace lorvex::fuzz {

namespace {

// Every non-overlapping occurrence of `from`, found left to right, becomes `to`; the result is
// not scanned again.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::size_t pos = 0;
    if (text.find(from) == std::string_view::npos) return std::string(text);
    std::string result;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos;) {
        result.append(text.substr(pos, hit - pos)).append(to);
        pos = hit + from.size();
    }
    result.append(text.substr(pos));
    return result;
}

// Whether the field's digits, read as the number rules read them, stay below 2^64: compared as
// text, without leading zeros, against the largest 64-bit value in the field's base.
bool fitsSixtyFourBits(std::string_view field) {
    std::size_t i = std::min(field.find_first_not_of(" \t"), field.size());
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
    std::string_view digits = "0123456789";
    std::string_view largest = "18446744073709551615";
    if (i < field.size() && field[i] == '$') {
        digits = "0123456789abcdefABCDEF";
        largest = "ffffffffffffffff";
        ++i;
    } else if (i < field.size() && field[i] == '%') {
        digits = "01";
        largest =
            std::string_view("1111111111111111111111111111111111111111111111111111111111111111");
        ++i;
    }
    std::string run(
        field.substr(i, std::min(field.find_first_not_of(digits, i), field.size()) - i));
    run.erase(0, std::min(run.find_first_not_of('0'), run.size()));
    std::transform(run.begin(), run.end(), run.begin(),
                   [](char c) { return c >= 'A' && c <= 'F' ? char(c - 'A' + 'a') : c; });
    if (run.size() != largest.size()) return run.size() < largest.size();
    return run <= largest;
}

}  // namespace

std::vector<std::string> referenceFileLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::string line;
        while (pos < bytes.size()) {
            const char byte = bytes[pos++];
            if (byte == '\r') {
                if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
                break;
            }
            if (byte == '\n' || byte == '\0') break;
            line += byte;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string referenceClipboardJoined(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::string joined(text);
    std::replace(joined.begin(), joined.end(), '\n', '|');
    std::replace(joined.begin(), joined.end(), '\r', '|');
    return replaceAll(joined, "||", "|");
}

std::vector<std::string> referenceClipboardPieces(std::string_view text) {
    const std::string joined = referenceClipboardJoined(text);
    const auto bars = static_cast<std::size_t>(std::count(joined.begin(), joined.end(), '|'));
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t piece = 1; piece <= bars + 2; ++piece) {
        if (start > joined.size()) {
            pieces.emplace_back();
            continue;
        }
        const std::size_t bar = std::min(joined.find('|', start), joined.size());
        pieces.push_back(joined.substr(start, bar - start));
        start = bar + 1;
    }
    return pieces;
}

ReferenceLine referenceParseLine(std::string_view line) {
    std::string cleaned(line);
    for (const char separator : {'\t', ',', ';', '-'})
        std::replace(cleaned.begin(), cleaned.end(), separator, ' ');
    constexpr std::string_view kBlanks = "         ";
    for (std::size_t run = 9; run >= 2; --run)
        cleaned = replaceAll(cleaned, kBlanks.substr(0, run), " ");
    const std::size_t first = cleaned.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    cleaned = cleaned.substr(first, cleaned.find_last_not_of(' ') - first + 1);
    if (cleaned.find("  ") != std::string::npos) return {LineVerdict::Unsettled, {}};

    ReferenceLine result{LineVerdict::Row, {}};
    std::size_t start = 0;
    for (std::int32_t& number : result.row) {
        std::string_view field;
        if (start <= cleaned.size()) {
            const std::size_t blank = std::min(cleaned.find(' ', start), cleaned.size());
            field = std::string_view(cleaned).substr(start, blank - start);
            start = blank + 1;
        }
        // A field beyond 64 bits is a number over 49, however its value would wrap.
        if (!fitsSixtyFourBits(field)) return {};
        const std::int64_t value = ParseInteger(field);
        if (value < 1 || value > MAX_SYSTEM_NUMBER) return {};
        number = static_cast<std::int32_t>(value);
    }
    return result;
}

}  // namespace lorvex::fuzz
