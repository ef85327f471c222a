#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "argument_parse.h"
#include "report/answers.h"

namespace lorvex {

struct CliOptions {
    std::string systemFile = {};  // "-" reads standard input
    std::optional<std::string> outputFile = std::nullopt;
    AnswerRequest request = {};
    bool numbersInSystem = false;  // play the numbers that occur in the system
    std::string drawsFile = {};    // the past draws to check; "-" reads standard input
};

using CliParse = ArgumentParse<CliOptions>;

CliParse parseCliArguments(std::span<const std::string_view> arguments);

// The usage text (UTF-8), ending with a line feed.
std::string cliUsage();

}  // namespace lorvex
