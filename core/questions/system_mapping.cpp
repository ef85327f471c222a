#include "core/questions/system_mapping.h"

#include "core/system/played_numbers.h"

namespace lorvex {

std::vector<SystemRow> mapSystemRows(const SystemTable& system, std::span<const int> numbers) {
    std::vector<SystemRow> mapped;
    if (numbers.size() != std::size_t(system.highestNumber())) return mapped;
    mapped.reserve(std::size_t(system.rowCount()));
    for (const SystemRow& row : system.rows()) mapped.push_back(playedRow(row, numbers));
    return mapped;
}

}  // namespace lorvex
