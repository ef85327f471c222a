#pragma once

#include <string>

namespace lorvex {

struct FileBytes {
    std::string bytes;
    int error = 0;  // errno of the failure, 0 when the whole file was read
};

// The whole file, read only; other programs may go on reading it meanwhile.
FileBytes readFileBytes(const std::string& path);

}  // namespace lorvex
