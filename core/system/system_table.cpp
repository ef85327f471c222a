#include "core/system/system_table.h"

#include <algorithm>

namespace lorvex {

SystemTable::SystemTable() : rows_(MAX_SYSTEM_ROWS) {}

void SystemTable::clear() {
    // Rows beyond rowCount_ are still zero from before; clearing all 9,999 would cost every load.
    std::fill(rows_.begin(), rows_.begin() + rowCount_, SystemRow{});
    rowCount_ = 0;
    highestNumber_ = 0;
}

SystemTable::AppendResult SystemTable::appendRow(const SystemRow& row) {
    if (rowCount_ >= MAX_SYSTEM_ROWS) return AppendResult::Overflow;
    rows_[rowCount_++] = row;
    highestNumber_ = std::max(highestNumber_, *std::max_element(row.begin(), row.end()));
    return AppendResult::Stored;
}

void SystemTable::sortRows() {
    // Numbers are 1..49, so comparing them one by one orders rows exactly like their
    // two-digit keys ("050403020106") would.
    std::sort(rows_.begin(), rows_.begin() + rowCount_);
}

void SystemTable::widenNumbers(int highest) {
    highestNumber_ = std::clamp(highest, highestNumber_, MAX_SYSTEM_NUMBER);
}

}  // namespace lorvex
