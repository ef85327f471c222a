#pragma once

#include <string>

namespace lorvex {

// What a program's arguments asked for: a run with these options, the help, or nothing
// because they were wrong.
template <typename Options>
struct ArgumentParse {
    enum class Kind { Run, Help, UsageError } kind = Kind::UsageError;
    Options options;
    std::string problem;  // what was wrong with the arguments (UTF-8)
};

}  // namespace lorvex
