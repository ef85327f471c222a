#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/system/system_row.h"

namespace lorvex {

// One drawn set of six distinct numbers 1..49 against the rows of a system.
struct DrawCheck {
    struct WinningRow {
        int row = 0;   // 1-based, in the order of the rows checked
        int hits = 0;  // 3..6, a number the row holds twice counted once, as on a ticket
    };
    std::vector<WinningRow> winningRows;     // the rows with 3 or more hits, in row order
    std::array<std::int32_t, 4> rowsWith{};  // [0] rows with 6 hits ... [3] with 3

    std::int32_t rowsWithHits(int hits) const { return rowsWith[std::size_t(6 - hits)]; }
};

// Numbers 1..49 as bits of one word, so that a number a row holds twice is there once.
std::uint64_t numberSet(std::span<const std::int32_t> numbers);

DrawCheck checkDraw(std::span<const SystemRow> rows, std::span<const int, NUMBERS_PER_ROW> draw);

}  // namespace lorvex
