#include "core/questions/system_mapping.h"

#include <algorithm>

namespace lorvex {

std::vector<SystemRow> mapSystemRows(const SystemTable& system, std::span<const int> numbers) {
    std::vector<SystemRow> mapped;
    if (numbers.size() != std::size_t(system.highestNumber())) return mapped;
    mapped.reserve(std::size_t(system.rowCount()));
    for (const SystemRow& row : system.rows()) {
        SystemRow own;
        std::transform(row.begin(), row.end(), own.begin(),
                       [&](std::int32_t number) { return numbers[std::size_t(number - 1)]; });
        std::sort(own.begin(), own.end());
        mapped.push_back(own);
    }
    return mapped;
}

}  // namespace lorvex
