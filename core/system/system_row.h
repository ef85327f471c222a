#pragma once

#include <array>
#include <cstdint>

namespace lorvex {

inline constexpr int MAX_SYSTEM_ROWS = 9999;
inline constexpr int MAX_SYSTEM_NUMBER = 49;
inline constexpr int NUMBERS_PER_ROW = 6;

// Six numbers 1..49 in the order they stood in the input line; repeats are allowed.
using SystemRow = std::array<std::int32_t, NUMBERS_PER_ROW>;

}  // namespace lorvex
