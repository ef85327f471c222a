#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/system/system_row.h"

namespace lorvex {

// The loaded system: up to 9,999 rows, kept sorted after every load, with the highest number
// that occurs. The system numbers are 1..highestNumber, whether or not each one occurs.
class SystemTable {
public:
    enum class AppendResult { Stored, Overflow };

    SystemTable();

    void clear();
    // Overflow when the table already holds MAX_SYSTEM_ROWS rows; nothing is stored then.
    AppendResult appendRow(const SystemRow& row);
    // Ascending by first number, ties by the second, and so on; numbers within a row stay put.
    void sortRows();
    // The system numbers reach at least `highest` (at most 49), for a system played on more
    // numbers than its rows hold.
    void widenNumbers(int highest);

    int rowCount() const { return rowCount_; }
    int highestNumber() const { return highestNumber_; }
    // 1-based row index and position, as shown in the "Reihe" and "Zahl" columns.
    std::int32_t number(int row, int position) const { return rows_[row - 1][position - 1]; }
    const SystemRow& row(int index) const { return rows_[index - 1]; }
    std::span<const SystemRow> rows() const { return {rows_.data(), std::size_t(rowCount_)}; }

private:
    std::vector<SystemRow> rows_;  // fixed capacity, allocated once
    int rowCount_ = 0;
    int highestNumber_ = 0;
};

}  // namespace lorvex
