#pragma once

#include <string_view>

namespace lorvex {

// The window title and the first line of the about box.
inline constexpr std::string_view PROGRAM_TITLE = "Lorvex 1.3.3";

}  // namespace lorvex
