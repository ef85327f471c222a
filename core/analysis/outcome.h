#pragma once

#include <array>
#include <cstdint>

namespace lorvex {

// What one draw gives: how many rows score 6, 5, 4 and 3 hits. Counts above the block size
// are not part of a block's outcome and stay 0.
struct Outcome {
    std::array<std::int32_t, 4> rowsWith{};  // [0] six hits, [1] five, [2] four, [3] three

    std::int32_t& hits(int h) { return rowsWith[6 - h]; }
    std::int32_t hits(int h) const { return rowsWith[6 - h]; }

    bool operator==(const Outcome&) const = default;
};

}  // namespace lorvex
