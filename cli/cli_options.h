#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "report/answers.h"

namespace lorvex {

struct CliOptions {
    std::string systemFile = {};  // "-" reads standard input
    std::optional<std::string> outputFile = std::nullopt;
    AnswerRequest request = {};
};

struct CliParse {
    enum class Kind { Run, Help, UsageError } kind = Kind::UsageError;
    CliOptions options;
    std::string problem;  // what was wrong with the arguments (UTF-8)
};

CliParse parseCliArguments(std::span<const std::string_view> arguments);

// The usage text (UTF-8), ending with a line feed.
std::string cliUsage();

}  // namespace lorvex
