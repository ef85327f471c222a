#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "hit_table.h"

namespace lorvex {

// What one draw gives: how many rows score 6, 5, 4 and 3 hits. Counts above the block size
// are not part of a block's outcome and stay 0.
struct Outcome {
    std::array<std::int32_t, 4> rowsWith{};  // [0] six hits, [1] five, [2] four, [3] three

    std::int32_t& hits(int h) { return rowsWith[6 - h]; }
    std::int32_t hits(int h) const { return rowsWith[6 - h]; }
};

// Groups the outcomes of one run and turns them into a block of hit-table rows, best first.
class PatternList {
public:
    void clear() { cases_.clear(); }
    void record(const Outcome& outcome, std::int64_t cases = 1);
    // Orders the patterns by their counts, most hits first, and appends one row per pattern.
    void finish(int blockSize, HitTable& table) const;
    std::size_t size() const { return cases_.size(); }
    // Each pattern with its cases, in no particular order.
    std::vector<std::pair<Outcome, std::int64_t>> contents() const;

private:
    std::unordered_map<std::uint64_t, std::int64_t> cases_;  // packed counts -> cases
};

}  // namespace lorvex
