#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

namespace lorvex {

inline constexpr int HIT_COLUMNS = 7;

// One row as the hit list shows it: "Treffer", "6er", "5er", "4er", "3er", "Fälle", "%".
struct HitRow {
    std::array<std::string, HIT_COLUMNS> cells;
    bool firstOfBlock = false;  // the block's best pattern, drawn grey
};

// The analysis result: blocks of rows appended one run after the other.
class HitTable {
public:
    void clear() { rows_.clear(); }
    void append(HitRow row) { rows_.push_back(std::move(row)); }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Row and column counted from 0.
    const std::string& cell(int row, int column) const { return rows_[row].cells[column]; }
    std::span<const HitRow> rows() const { return rows_; }

private:
    std::vector<HitRow> rows_;
};

}  // namespace lorvex
