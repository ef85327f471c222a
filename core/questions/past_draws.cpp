#include "core/questions/past_draws.h"

#include <algorithm>
#include <string_view>

#include "core/system/system_text.h"

namespace lorvex {

namespace {

constexpr std::string_view SEPARATORS = " \t;,";
constexpr std::string_view WEEKDAYS[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while ((pos = line.find_first_not_of(SEPARATORS, pos)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(SEPARATORS, pos), line.size());
        std::string_view field = line.substr(pos, end - pos);
        if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
            field = field.substr(1, field.size() - 2);
        fields.push_back(field);
        pos = end;
    }
    return fields;
}

// A field of one to `maxDigits` digits as its value; otherwise nothing.
std::optional<int> digits(std::string_view field, std::size_t maxDigits) {
    if (field.empty() || field.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string twoDigitText(int value) {
    return {char('0' + value / 10), char('0' + value % 10)};
}

// "24.12.2025" (the day and month may have one digit) or "2025-12-24", as "24.12.2025".
std::optional<std::string> dateOf(std::string_view field) {
    const char mark = field.find('.') != std::string_view::npos ? '.' : '-';
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    for (std::size_t end; (end = field.find(mark, pos)) != std::string_view::npos; pos = end + 1)
        parts.push_back(field.substr(pos, end - pos));
    parts.push_back(field.substr(pos));
    if (parts.size() != 3) return std::nullopt;
    if (mark == '-') std::swap(parts[0], parts[2]);
    const std::optional<int> day = digits(parts[0], 2);
    const std::optional<int> month = digits(parts[1], 2);
    if (parts[2].size() != 4 || !digits(parts[2], 4) || (mark == '-' && parts[0].size() != 2))
        return std::nullopt;
    if (!day || !month || *day < 1 || *day > 31 || *month < 1 || *month > 12) return std::nullopt;
    return twoDigitText(*day) + "." + twoDigitText(*month) + "." + std::string(parts[2]);
}

std::optional<PastDraw> drawOf(std::string_view line) {
    std::vector<std::string_view> fields = fieldsOf(line);
    std::size_t next = 0;
    const auto isWeekday = [](std::string_view field) {
        return std::find(std::begin(WEEKDAYS), std::end(WEEKDAYS), field) != std::end(WEEKDAYS);
    };
    if (next < fields.size() && isWeekday(fields[next])) ++next;
    PastDraw draw;
    if (next < fields.size() && fields[next].find_first_of(".-") != std::string_view::npos) {
        std::optional<std::string> date = dateOf(fields[next++]);
        if (!date) return std::nullopt;
        draw.date = std::move(*date);
    }
    const std::size_t left = fields.size() - next;
    if (left != NUMBERS_PER_ROW && left != NUMBERS_PER_ROW + 1) return std::nullopt;
    std::uint64_t seen = 0;
    for (int& number : draw.numbers) {
        const std::optional<int> value = digits(fields[next++], 2);
        if (!value || *value < 1 || *value > MAX_SYSTEM_NUMBER) return std::nullopt;
        if (seen & (std::uint64_t{1} << *value)) return std::nullopt;
        seen |= std::uint64_t{1} << *value;
        number = *value;
    }
    std::sort(draw.numbers.begin(), draw.numbers.end());
    if (next < fields.size()) {
        draw.superzahl = digits(fields[next], 1);
        if (!draw.superzahl) return std::nullopt;
    }
    return draw;
}

}  // namespace

PastDrawList readPastDraws(std::string_view bytes) {
    // Only UTF-16 is copied to be read: a list of many megabytes is otherwise held once.
    const bool wide = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    const std::string decoded = wide ? decodeSystemFileBytes(std::string(bytes)) : std::string();
    std::string_view text = wide ? std::string_view(decoded) : bytes;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    PastDrawList list;
    FileLines lines(text);
    for (std::int64_t number = 1; !lines.atEnd(); ++number) {
        const std::string_view line = lines.nextLine();
        if (line.find_first_not_of(SEPARATORS) == std::string_view::npos) continue;
        std::optional<PastDraw> draw = drawOf(line);
        if (draw) {
            draw->line = number;
            list.draws.push_back(std::move(*draw));
            continue;
        }
        if (list.firstSkipped.size() < SKIPPED_LINES_NAMED) list.firstSkipped.push_back(number);
        ++list.skippedLines;
    }
    return list;
}

}  // namespace lorvex
