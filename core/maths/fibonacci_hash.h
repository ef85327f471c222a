#pragma once

#include <cstdint>

namespace lorvex {

// Fibonacci hashing: the key times 2^64 divided by the golden ratio (rounded to odd, so no two
// keys give the same product). Keys that differ only in their low bits differ in the product's
// high bits, so a table indexed by those top bits needs no further mixing.
constexpr std::uint64_t fibonacciHash(std::uint64_t key) {
    return key * 0x9E3779B97F4A7C15u;
}

}  // namespace lorvex
