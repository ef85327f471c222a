#pragma once

#include <span>
#include <vector>

#include "core/system/system_table.h"

namespace lorvex {

// The system played on one's own numbers: system number i becomes numbers[i - 1], which must
// hold highestNumber entries. Rows keep their order; each row's numbers come out ascending.
std::vector<SystemRow> mapSystemRows(const SystemTable& system, std::span<const int> numbers);

}  // namespace lorvex
