#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "argument_parse.h"
#include "builder/job/build_job.h"
#include "builder/systems/request.h"

namespace lorvex {

// A plain build, or a player's system given with --plug or --trim.
enum class BuildMode { Build, Plug, Trim };

struct BuildCliOptions {
    // With --plug or --trim the numbers are known once the system is read: request.numbers 0,
    // key numbers as the player named them.
    builder::BuildRequest request;
    builder::NumbersGiven numbers;  // --numbers: a count, or the played numbers
    BuildMode mode = BuildMode::Build;
    bool exchange = false;   // --trim may exchange rows
    bool useCache = true;    // a plain build starts from the system kept for its request
    std::string systemFile;  // with --plug or --trim
    std::optional<std::size_t> rowsAtMost;
    int seconds = 10;
    std::uint64_t seed = 1;
    std::optional<int> threads;  // all cores when absent
    std::optional<std::string> outputFile;
};

using BuildCliParse = ArgumentParse<BuildCliOptions>;

// Reads the arguments of lorvex-build and checks that the request can be met.
BuildCliParse parseBuildArguments(std::span<const std::string_view> arguments);

// The usage text (UTF-8), ending with a line feed.
std::string_view buildUsage();

}  // namespace lorvex
