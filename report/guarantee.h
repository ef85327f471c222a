#pragma once

#include <string>
#include <vector>

#include "core/analysis/hit_table.h"

namespace lorvex {

// One line per block of the hit table, in table order, read off the block's last (worst)
// pattern: the highest hit count that pattern still reaches, or "keine".
std::vector<std::string> guaranteeLines(const HitTable& hits);

}  // namespace lorvex
