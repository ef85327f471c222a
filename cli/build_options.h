#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "argument_parse.h"
#include "builder/request.h"

namespace lorvex {

// A plain build, or a player's system given with --plug or --trim.
enum class BuildMode { Build, Plug, Trim };

struct BuildCliOptions {
    builder::BuildRequest request;  // numbers 0 with --plug or --trim: the system's highest
    BuildMode mode = BuildMode::Build;
    std::string systemFile;  // with --plug or --trim
    std::optional<std::size_t> rowsAtMost;
    int seconds = 10;
    std::uint64_t seed = 1;
    std::optional<std::string> outputFile;
};

using BuildCliParse = ArgumentParse<BuildCliOptions>;

// Reads the arguments of lorvex-build and checks that the request can be met.
BuildCliParse parseBuildArguments(std::span<const std::string_view> arguments);

// The usage text (UTF-8), ending with a line feed.
std::string_view buildUsage();

}  // namespace lorvex
