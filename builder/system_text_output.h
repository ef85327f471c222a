#pragma once

#include <span>
#include <string>

#include "builder/design.h"

namespace lorvex::builder {

// The rows as system text: one row per line, its numbers ascending with two digits and single
// blanks, LF line ends, rows in the order the loader sorts them (by first number, then second,
// ...). Bit n-1 of a row stands for the number n.
std::string systemText(std::span<const Block> rows);

}  // namespace lorvex::builder
