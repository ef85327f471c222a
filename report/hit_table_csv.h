#pragma once

#include <string>

#include "core/analysis/hit_table.h"

namespace lorvex {

// The hit table for spreadsheets as German users open them: UTF-8 with a byte-order mark,
// ";" between cells, CR LF after every line, a decimal comma in the percentages.
std::string hitTableCsv(const HitTable& hits);

}  // namespace lorvex
