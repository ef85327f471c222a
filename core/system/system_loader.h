#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/system/file_bytes.h"
#include "core/system/system_table.h"
#include "core/system/system_text.h"

namespace lorvex {

enum class LoadOutcome { Loaded, NoRow, Overflow, Unreadable };

struct SystemLoad {
    LoadOutcome outcome = LoadOutcome::NoRow;
    int error = 0;                  // errno when the input could not be read
    std::int64_t skippedLines = 0;  // lines with text but no valid row (blank lines not counted)
};

// Rows sorted as the desktop shows them, or in the order the input holds them (for mending a
// player's system, whose rows are given back as they stood).
enum class RowOrder { Sorted, AsWritten };

// Called once for each line taken, to keep a window responsive during long loads.
using PerLine = std::function<void()>;

// Reads every line of `source` into `table` (cleared first) and sorts the rows (unless told to
// keep their order). Stops at the
// first row beyond MAX_SYSTEM_ROWS.
LoadOutcome loadSystemLines(LineSource& source, SystemTable& table, const PerLine& perLine = {});
// The same, also counting the skipped lines.
SystemLoad loadSystemLinesCounted(LineSource& source, SystemTable& table,
                                  const PerLine& perLine = {}, RowOrder order = RowOrder::Sorted);

// The ways a system comes in, each into `table` (cleared first) as loadSystemLines reads it:
// a file by its path, an open file or stream such as standard input (both with the size cap
// of readFileBytes and its byte-order marks), and clipboard text.
SystemLoad readSystemFile(const std::string& path, SystemTable& table, const PerLine& perLine = {},
                          RowOrder order = RowOrder::Sorted,
                          PipeWriter pipeWriter = PipeWriter::NotWaitedFor);
SystemLoad readSystemStream(int fd, SystemTable& table, const PerLine& perLine = {},
                            RowOrder order = RowOrder::Sorted);
// Bytes as a file holds them, already in memory (a file the web page was given).
SystemLoad readSystemBytes(std::string bytes, SystemTable& table, const PerLine& perLine = {},
                           RowOrder order = RowOrder::Sorted);
SystemLoad readSystemText(std::string_view clipboardText, SystemTable& table,
                          const PerLine& perLine = {});

}  // namespace lorvex
