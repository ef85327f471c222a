#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/system/system_row.h"

// Past draws as players keep them: a download from the lottery's site or a list written by
// hand, one draw a line.
namespace lorvex {

struct PastDraw {
    std::int64_t line = 0;                       // 1-based line of the file
    std::string date;                            // "24.12.2025"; empty when the line has none
    std::array<int, NUMBERS_PER_ROW> numbers{};  // ascending
    std::optional<int> superzahl;                // 0..9
};

struct PastDrawList {
    std::vector<PastDraw> draws;             // in file order
    std::int64_t skippedLines = 0;           // lines with text that are no draw (headers, notes)
    std::vector<std::int64_t> firstSkipped;  // the first few of them, to name them
};

inline constexpr std::size_t SKIPPED_LINES_NAMED = 5;

// A line is a draw when its fields (split by runs of blanks, TABs, ";" and ",", a field's
// quotes dropped) are an optional weekday ("Sa"), an optional date (24.12.2025 or 2025-12-24),
// six distinct numbers 1..49 and an optional Superzahl 0..9. The bytes may be UTF-8 or
// ISO 8859-1 with or without a byte-order mark, or UTF-16 with one.
PastDrawList readPastDraws(std::string_view bytes);

}  // namespace lorvex
