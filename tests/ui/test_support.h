#pragma once

#include <string>
#include <vector>

#include "tests/support/test_files.h"
#include "ui/user_interface.h"

namespace lorvex::testing {

// The two rows of the worked example: highest number 7.
inline constexpr const char* kExampleSystem = "1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n";

// The file helpers that the other test programs share.
using namespace test_support;

// `count` different valid lines "a b c d e f" with numbers up to 49.
std::string validLines(int count);

// A list row from its texts, for comparisons.
ListRow row(std::array<std::string, LIST_COLUMNS> texts, bool grey = false);

}  // namespace lorvex::testing
