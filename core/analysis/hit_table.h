#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/analysis/outcome.h"

namespace lorvex {

inline constexpr int HIT_COLUMNS = 7;

// The hit list's columns: "Treffer", "6er", "5er", "4er", "3er", "Fälle", "%".
enum class HitColumn { BlockSize, Six, Five, Four, Three, Cases, Percent };

// One pattern of a block: how many rows score 6, 5, 4 and 3 hits, in how many draws, and that
// share of the block's draws in percent (single precision, as it is shown).
struct HitRow {
    std::int32_t blockSize = 0;  // 6, 5, 4 or 3
    Outcome outcome;
    std::int64_t cases = 0;
    float percent = 0.0f;
    bool firstOfBlock = false;  // the block's best pattern, drawn grey

    bool operator==(const HitRow&) const = default;
};

// A cell as the hit list and the reports show it: counts without leading zeros and empty when
// 0, the percentage with three decimals and `decimalMark` between its parts.
std::string hitCellText(const HitRow& row, HitColumn column, char decimalMark = '.');

// The analysis result: blocks of rows appended one run after the other.
class HitTable {
public:
    // Gives the rows' memory back, so that a huge table does not outlive its system.
    void clear() { rows_ = std::vector<HitRow>(); }
    void append(const HitRow& row) { rows_.push_back(row); }
    void reserve(std::size_t rows) { rows_.reserve(rows); }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    std::span<const HitRow> rows() const { return rows_; }

private:
    std::vector<HitRow> rows_;
};

}  // namespace lorvex
