#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lorvex {

enum class CliOutput {
    TextReport,
    HtmlReport,
    Csv,
    Guarantee,
    Holes,
    Coverage,
    Odds,
    Frequency,
    MappedSystem,
    DrawCheck,
};

struct CliOptions {
    std::string systemFile = {};  // "-" reads standard input
    std::optional<std::string> outputFile = std::nullopt;
    std::optional<int> onlyBlock = std::nullopt;  // 6, 5, 4 or 3; all four when absent
    CliOutput output = CliOutput::TextReport;
    int holesBlock = 0;                // the block whose worst draws --holes lists
    std::int64_t holesLimit = 100;     // 0 lists them all
    bool reference = false;            // the plain enumeration, for cross-checks
    std::vector<int> ownNumbers = {};  // --map: system number i becomes ownNumbers[i - 1]
    std::array<int, 6> drawNumbers{};  // --check: the six drawn numbers
};

struct CliParse {
    enum class Kind { Run, Help, UsageError } kind = Kind::UsageError;
    CliOptions options;
    std::string problem;  // what was wrong with the arguments (UTF-8)
};

// Coverage, odds, frequency, mapping and draw check: the questions after the hit table.
bool answersPlayerQuestion(CliOutput output);

CliParse parseCliArguments(std::span<const std::string_view> arguments);

// The usage text (UTF-8), ending with a line feed.
std::string_view cliUsage();

}  // namespace lorvex
