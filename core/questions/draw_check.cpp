#include "core/questions/draw_check.h"

#include <bit>

namespace lorvex {

std::uint64_t numberSet(std::span<const std::int32_t> numbers) {
    std::uint64_t set = 0;
    for (const std::int32_t number : numbers) set |= std::uint64_t{1} << number;
    return set;
}

DrawCheck checkDraw(std::span<const SystemRow> rows, std::span<const int, NUMBERS_PER_ROW> draw) {
    const std::uint64_t drawn = numberSet(draw);
    DrawCheck check;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int hits = std::popcount(numberSet(rows[i]) & drawn);
        if (hits < 3) continue;
        check.winningRows.push_back({int(i) + 1, hits});
        ++check.rowsWith[std::size_t(6 - hits)];
    }
    return check;
}

}  // namespace lorvex
