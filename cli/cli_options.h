#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lorvex {

enum class CliOutput { TextReport, HtmlReport, Csv, Guarantee, Holes };

struct CliOptions {
    std::string systemFile = {};  // "-" reads standard input
    std::optional<std::string> outputFile = std::nullopt;
    std::optional<int> onlyBlock = std::nullopt;  // 6, 5, 4 or 3; all four when absent
    CliOutput output = CliOutput::TextReport;
    int holesBlock = 0;             // the block whose worst draws --holes lists
    std::int64_t holesLimit = 100;  // 0 lists them all
    bool reference = false;         // the plain enumeration, for cross-checks
};

struct CliParse {
    enum class Kind { Run, Help, UsageError } kind = Kind::UsageError;
    CliOptions options;
    std::string problem;  // what was wrong with the arguments (UTF-8)
};

CliParse parseCliArguments(std::span<const std::string_view> arguments);

// The usage text (UTF-8), ending with a line feed.
std::string_view cliUsage();

}  // namespace lorvex
