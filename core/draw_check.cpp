#include "draw_check.h"

namespace lorvex {

DrawCheck checkDraw(std::span<const SystemRow> rows, std::span<const int, NUMBERS_PER_ROW> draw) {
    std::array<bool, MAX_SYSTEM_NUMBER + 1> drawn{};
    for (const int number : draw) drawn[std::size_t(number)] = true;
    DrawCheck check;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        int hits = 0;
        for (const std::int32_t number : rows[i]) hits += drawn[std::size_t(number)] ? 1 : 0;
        if (hits < 3) continue;
        check.winningRows.push_back({int(i) + 1, hits});
        ++check.rowsWith[std::size_t(6 - hits)];
    }
    return check;
}

}  // namespace lorvex
