#pragma once

#include <functional>

#include "system_table.h"
#include "system_text.h"

namespace lorvex {

enum class LoadOutcome { Loaded, NoRow, Overflow };

// Reads every line of `source` into `table` (cleared first) and sorts the rows. Stops at the
// first row beyond MAX_SYSTEM_ROWS. `perLine` runs once for each line taken, to keep a window
// responsive during long loads.
LoadOutcome loadSystemLines(LineSource& source, SystemTable& table,
                            const std::function<void()>& perLine = {});

}  // namespace lorvex
