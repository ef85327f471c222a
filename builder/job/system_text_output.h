#pragma once

#include <span>
#include <string>

#include "builder/systems/request.h"

namespace lorvex::builder {

// Rows sorted as the loader sorts them (by first number, then second, ...), or in their order.
enum class RowsWritten { Sorted, InOrder };

// The rows as system text: one row per line, its numbers ascending with two digits and single
// blanks, LF line ends. Bit n-1 of a row stands for the system number n, written as
// played[n - 1] when there are played numbers.
std::string systemText(std::span<const Row> rows, std::span<const int> played = {},
                       RowsWritten order = RowsWritten::Sorted);

}  // namespace lorvex::builder
