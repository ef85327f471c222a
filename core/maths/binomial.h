#pragma once

#include <cstdint>

namespace lorvex {

// The number of r-element subsets of an n-element set; 0 where r < 0 or n < r. Exact for every
// value that fits 64 bits: each step's product is divisible by i.
constexpr std::uint64_t binomial(int n, int r) {
    if (r < 0 || n < r) return 0;
    std::uint64_t value = 1;
    for (int i = 1; i <= r; ++i) value = value * std::uint64_t(n - r + i) / std::uint64_t(i);
    return value;
}

}  // namespace lorvex
