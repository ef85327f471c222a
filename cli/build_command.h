#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "build_options.h"

namespace lorvex {

struct BuildStreams {
    std::ostream& out;
    std::ostream& err;           // German messages, UTF-8
    bool errIsTerminal = false;  // shows a progress line while the search works
};

// Builds the system, proves it and writes it. Returns the exit status: 0 on success, 1 on any
// failure, which has then been explained on `err` and written no output file. A plain build
// keeps its system in `cacheFolder` (see system_cache.h), where one is given.
int runBuildCommand(const BuildCliOptions& options, BuildStreams streams,
                    const std::optional<std::string>& cacheFolder = std::nullopt);

}  // namespace lorvex
