#pragma once

#include "core/analysis/hit_table.h"
#include "core/system/system_row.h"
#include "ui/user_interface.h"

namespace lorvex {

// A system row as the system list shows it: "Reihe", then "Zahl 1" to "Zahl 6" without
// leading zeros.
ListRow systemListRow(int rowNumber, const SystemRow& row);

// A hit-table row as the hit list shows it: the seven cells, grey when it opens a block.
ListRow hitListRow(const HitRow& row);

}  // namespace lorvex
