#include "core/questions/number_frequency.h"

#include <algorithm>

namespace lorvex {

std::vector<std::int32_t> rowsHoldingEachNumber(const SystemTable& system) {
    std::vector<std::int32_t> rows(std::size_t(system.highestNumber()), 0);
    for (const SystemRow& row : system.rows()) {
        for (std::size_t p = 0; p < row.size(); ++p) {
            const bool first = std::find(row.begin(), row.begin() + p, row[p]) == row.begin() + p;
            if (first) ++rows[std::size_t(row[p] - 1)];
        }
    }
    return rows;
}

}  // namespace lorvex
