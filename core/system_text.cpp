#include "system_text.h"

#include <cstdint>

#include "conversions.h"

namespace lorvex {

ClipboardLines::ClipboardLines(std::string_view text) : text_(text.substr(0, text.find('\0'))) {
    // LF and CR become "|", then "||" becomes "|" in one left-to-right pass; the text is cut at
    // every remaining "|", and one empty piece lies beyond the end.
    std::string joined;
    joined.reserve(text_.size());
    for (std::size_t i = 0; i < text_.size(); ++i) {
        const char c = text_[i] == '\n' || text_[i] == '\r' ? '|' : text_[i];
        const bool pairsWithNext =
            c == '|' && i + 1 < text_.size() &&
            (text_[i + 1] == '|' || text_[i + 1] == '\n' || text_[i + 1] == '\r');
        joined += c;
        if (pairsWithNext) ++i;
    }
    text_ = std::move(joined);
    std::string_view rest = text_;
    for (std::size_t bar; (bar = rest.find('|')) != std::string_view::npos;) {
        pieces_.push_back(rest.substr(0, bar));
        rest.remove_prefix(bar + 1);
    }
    pieces_.push_back(rest);
    pieces_.push_back({});
}

std::vector<std::string> splitClipboardText(std::string_view text) {
    const ClipboardLines lines(text);
    return {lines.pieces().begin(), lines.pieces().end()};
}

std::string_view FileLines::nextLine() {
    const std::size_t start = pos_;
    const std::size_t end = bytes_.find_first_of(std::string_view("\n\r\0", 3), start);
    if (end == std::string_view::npos) {
        pos_ = bytes_.size();
        return bytes_.substr(start);
    }
    pos_ = end + 1;
    if (bytes_[end] == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    return bytes_.substr(start, end - start);
}

std::string decodeSystemFileBytes(std::string bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return bytes.substr(3);
    const bool littleEndian = bytes.starts_with("\xFF\xFE");
    if (!littleEndian && !bytes.starts_with("\xFE\xFF")) return bytes;
    std::string decoded;
    decoded.reserve(bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned unit = littleEndian ? first | (second << 8) : (first << 8) | second;
        decoded += unit < 0x100 ? static_cast<char>(unit) : '?';
    }
    return decoded;
}

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '-'; }

}  // namespace

std::optional<SystemRow> parseSystemLine(std::string_view line) {
    // Every separator becomes a blank and every run of blanks one blank, so the fields are the
    // runs of other characters; only the first six are looked at.
    SystemRow row{};
    std::size_t pos = 0;
    for (std::int32_t& number : row) {
        while (pos < line.size() && isSeparator(line[pos])) ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && !isSeparator(line[pos])) ++pos;
        const std::int64_t value = ParseInteger(line.substr(start, pos - start));
        if (value < 1 || value > MAX_SYSTEM_NUMBER) return std::nullopt;
        number = static_cast<std::int32_t>(value);
    }
    return row;
}

}  // namespace lorvex
