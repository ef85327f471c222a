#pragma once

#include <cstdint>
#include <vector>

#include "core/system/system_table.h"

namespace lorvex {

// For each system number n = 1..highestNumber, at [n - 1]: how many rows hold n at least once.
std::vector<std::int32_t> rowsHoldingEachNumber(const SystemTable& system);

}  // namespace lorvex
