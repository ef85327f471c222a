#include "ui/file_types.h"

namespace lorvex {

namespace {

std::vector<std::string_view> splitAtBars(std::string_view text) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const std::size_t bar = text.find('|');
        pieces.push_back(text.substr(0, bar));
        if (bar == std::string_view::npos) return pieces;
        text.remove_prefix(bar + 1);
    }
}

}  // namespace

std::vector<FileType> fileTypes(std::string_view filter) {
    const std::vector<std::string_view> pieces = splitAtBars(filter);
    std::vector<FileType> types;
    for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
        const std::string_view pattern = pieces[i + 1];
        types.push_back({std::string(pieces[i]), pattern == "*.*" ? "*" : std::string(pattern)});
    }
    return types;
}

}  // namespace lorvex
