#include "core/system/system_text.h"

#include <cstdint>

#include "core/text/conversions.h"

namespace lorvex {

namespace {

bool endsClipboardLine(char c) {
    return c == '|' || c == '\r' || c == '\n';
}

}  // namespace

std::string_view ClipboardLines::nextLine() {
    // LF and CR count as "|", and "||" as one "|" in a single left-to-right pass: a run of n line
    // ends cuts the text (n + 1) / 2 times, with empty pieces between the cuts. One more empty
    // piece lies beyond the end.
    if (emptyPieces_ > 0) {
        --emptyPieces_;
        return {};
    }
    if (stage_ != Stage::Text) {
        stage_ = Stage::Done;
        return {};
    }
    const std::string_view text = text_;
    const std::size_t start = pos_;
    std::size_t end = start;
    while (end < text.size() && !endsClipboardLine(text[end])) ++end;
    if (end == text.size()) {
        stage_ = Stage::PieceBeyondTheEnd;
        return text.substr(start);
    }
    std::size_t runEnd = end;
    while (runEnd < text.size() && endsClipboardLine(text[runEnd])) ++runEnd;
    emptyPieces_ = (runEnd - end + 1) / 2 - 1;
    pos_ = runEnd;
    return text.substr(start, end - start);
}

std::vector<std::string> splitClipboardText(std::string_view text) {
    ClipboardLines lines(text);
    std::vector<std::string> pieces;
    while (!lines.atEnd()) pieces.emplace_back(lines.nextLine());
    return pieces;
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
    // Decoded where the bytes lie, so that a file of 200 MB is not held twice.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.erase(0, 3);
        return bytes;
    }
    const bool littleEndian = bytes.starts_with("\xFF\xFE");
    if (!littleEndian && !bytes.starts_with("\xFE\xFF")) return bytes;
    std::size_t decoded = 0;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned unit = littleEndian ? first | (second << 8) : (first << 8) | second;
        bytes[decoded++] = unit < 0x100 ? static_cast<char>(unit) : '?';
    }
    bytes.resize(decoded);
    return bytes;
}

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '-';
}

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
        // A value too large for 64 bits is over 49 too, however it would wrap. Fifteen
        // characters hold no value beyond 64 bits in any base, so those need no check.
        const std::string_view field = line.substr(start, pos - start);
        const std::optional<std::int64_t> value =
            field.size() <= 15 ? ParseInteger(field) : ParseIntegerExact(field);
        if (!value || *value < 1 || *value > MAX_SYSTEM_NUMBER) return std::nullopt;
        number = static_cast<std::int32_t>(*value);
    }
    return row;
}

}  // namespace lorvex
