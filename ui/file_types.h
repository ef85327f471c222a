#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lorvex {

struct FileType {
    std::string caption;
    std::string pattern;

    bool operator==(const FileType&) const = default;
};

// A dialog's file-type list "caption|pattern|caption|pattern" as pairs, in order; a caption
// without its pattern is left out. The pattern "*.*" means every file, so it becomes "*":
// here a name need not contain a dot.
std::vector<FileType> fileTypes(std::string_view filter);

}  // namespace lorvex
