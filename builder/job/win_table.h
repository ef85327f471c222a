#pragma once

#include <span>
#include <string>
#include <vector>

#include "builder/systems/request.h"
#include "core/analysis/outcome.h"
#include "core/analysis/progress_observer.h"

namespace lorvex::builder {

// What a system brings when `drawnAmong` of the six winning numbers are among its numbers:
// the worst and the best draw of the exact analysis (rows with 6, 5, 4 and 3 hits).
struct WinLine {
    int drawnAmong = 0;
    Outcome least;
    Outcome best;
};

// The lines for 6, 5, 4 and 3 winning numbers among the system's numbers 1..numbers (those
// that fit), from Lorvex's hit analysis of the rows (bit n-1 for the number n; at most the
// 9,999 rows Lorvex loads). Empty for no rows.
std::vector<WinLine> winTable(std::span<const Row> rows, int numbers,
                              ProgressObserver* observer = nullptr);

// The "Gewinntabelle" as German text, each line ending in LF; empty for no lines.
std::string winTableText(std::span<const WinLine> lines);

}  // namespace lorvex::builder
