#pragma once

#include <string>
#include <string_view>

namespace lorvex {

// Everything before the last "/" ("/" itself for a file in the root folder, empty without any
// "/"), and everything after it.
std::string directoryPart(std::string_view path);
std::string fileNamePart(std::string_view path);

}  // namespace lorvex
