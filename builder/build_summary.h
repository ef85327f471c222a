#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "builder/request.h"
#include "builder/system_mending.h"
#include "builder/verification.h"

namespace lorvex::builder {

// The summary line of a built system, as lorvex-build prints it and the web page shows it, e.g.
// "12 Zahlen, Garantie 4 wenn 5: 7 Reihen (untere Schranke 6), geprüft: alle 792 Ziehungen
// erfüllt".
std::string buildSummary(const BuildRequest& request, std::size_t rows, std::uint64_t lowerBound,
                         std::uint64_t draws, std::uint64_t missed);

// A system that misses the guarantee within a row budget: "Garantie mit 20 Reihen nicht
// erreichbar: 91.372 % der 924 Ziehungen erfüllt".
std::string budgetSummary(const BuildRequest& request, std::size_t rows, const Verification& proof);

// What plugging and trimming did: "Lücken geschlossen: 3 Reihen ergänzt (untere Schranke 2)",
// "System gekürzt: 4 Reihen weniger".
std::string plugSummary(const MendedSystem& mended);
std::string trimSummary(const MendedSystem& mended);

// "Das System erfüllt die Garantie 4 wenn 5 nicht: 12 von 792 Ziehungen ohne sie."
std::string unmetGuaranteeText(const BuildRequest& request, const Verification& given);

// "1 Reihe", "7 Reihen".
std::string rowCountText(std::uint64_t rows);

}  // namespace lorvex::builder
