#pragma once

#include <optional>
#include <ostream>

#include "cli_options.h"
#include "terminal_text.h"

namespace lorvex {

struct CliStreams {
    int in;  // the descriptor that SYSTEMDATEI "-" reads
    std::ostream& out;
    std::ostream& err;  // German messages, UTF-8
    // What `out` shows when it is a terminal; nothing when the bytes go on unchanged.
    std::optional<TextEncoding> terminal = std::nullopt;
};

// Loads the system, analyses it and writes the report. Returns the exit status: 0 on success,
// 1 on any failure, which has then been explained on `err` and written no output file (too
// little memory included), 2 when the arguments do not fit the loaded system (the usage follows
// the explanation).
int runReportCommand(const CliOptions& options, CliStreams streams);

}  // namespace lorvex
