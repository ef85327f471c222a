#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "builder/design/verification.h"
#include "builder/systems/request.h"
#include "builder/systems/system_mending.h"

// The lines that tell a player what a built or mended system is, as lorvex-build prints them
// and the web page shows them. Key numbers are given as the player names them.
namespace lorvex::builder {

// "12 Zahlen, Garantie 4 wenn 5: 14 Reihen, 16,80 € je Ziehung (mindestens 9 Reihen nötig),
// geprüft an allen 792 Ziehungen". Scripts read the beginning up to the row count.
std::string buildSummary(const BuildRequest& request, std::size_t rows, std::uint64_t lowerBound,
                         std::uint64_t draws, std::uint64_t missed);

// A system that misses the guarantee within a row budget: "Garantie mit 10 Reihen nicht
// erreicht: in 710 von 792 Ziehungen (89,6 %)".
std::string budgetSummary(const BuildRequest& request, std::size_t rows, const Verification& proof);

// The guarantee as one plain sentence: "Sind 5 Ihrer 12 Zahlen gezogen, haben Sie sicher einen
// Vierer."; within a missed budget, in how many draws.
std::string guaranteeSentence(const BuildRequest& request, const Verification& proof);

// What plugging and trimming did: "Lücken geschlossen, ergänzt: Reihen 21 bis 25 (mindestens 3
// nötig)", "System gekürzt: 4 Reihen weniger".
std::string plugSummary(const MendedSystem& mended);
std::string trimSummary(const MendedSystem& mended);

// "Das System erfüllt die Garantie 4 wenn 5 nicht: in 12 von 792 Ziehungen fehlt sie."
std::string unmetGuaranteeText(const BuildRequest& request, const Verification& given);

// "Begonnen mit dem früher gebauten System aus 78 Reihen."
std::string earlierStartText(std::size_t rows);

// "Das System hätte 26.342 Reihen; Lorvex verarbeitet höchstens 9.999."
std::string tooManyRowsText(std::size_t rows);

// "1 Reihe", "7 Reihen", "1.533 Reihen".
std::string rowCountText(std::uint64_t rows);

}  // namespace lorvex::builder
