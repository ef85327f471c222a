#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "builder/request.h"

namespace lorvex::builder {

// The summary line of a built system, as lorvex-build prints it and the web page shows it, e.g.
// "12 Zahlen, Garantie 4 wenn 5: 7 Reihen (untere Schranke 6), geprüft: alle 792 Ziehungen
// erfüllt".
std::string buildSummary(const BuildRequest& request, std::size_t rows, std::uint64_t lowerBound,
                         std::uint64_t draws, std::uint64_t missed);

// "1 Reihe", "7 Reihen".
std::string rowCountText(std::uint64_t rows);

}  // namespace lorvex::builder
