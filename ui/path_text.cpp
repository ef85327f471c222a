#include "ui/path_text.h"

namespace lorvex {

std::string directoryPart(std::string_view path) {
    const std::size_t separator = path.rfind('/');
    if (separator == std::string_view::npos) return {};
    if (separator == 0) return "/";
    return std::string(path.substr(0, separator));
}

std::string fileNamePart(std::string_view path) {
    const std::size_t separator = path.rfind('/');
    if (separator == std::string_view::npos) return std::string(path);
    return std::string(path.substr(separator + 1));
}

}  // namespace lorvex
