#include "core/questions/prize_classes.h"

#include "core/text/conversions.h"

namespace lorvex {

std::string prizeClassWinning(int prizeClass) {
    const int hits = prizeClass == PRIZE_CLASSES ? 2 : NUMBERS_PER_ROW - (prizeClass - 1) / 2;
    const bool superzahl = prizeClass == PRIZE_CLASSES || prizeClass % 2 == 1;
    return FormatInteger(hits) + " Richtige" + (superzahl ? " + Superzahl" : "");
}

std::optional<std::array<std::int64_t, PRIZE_CLASSES>> drawsByBestClass(const DrawOdds& odds) {
    if (!odds.withBestTwo) return std::nullopt;
    std::array<std::int64_t, PRIZE_CLASSES> draws{};
    for (int hits = NUMBERS_PER_ROW; hits >= 3; --hits) {
        draws[std::size_t(prizeClass(hits, true) - 1)] = odds.drawsWithBest(hits);
        draws[std::size_t(prizeClass(hits, false) - 1)] =
            odds.drawsWithBest(hits) * (SUPERZAHLEN - 1);
    }
    draws[PRIZE_CLASSES - 1] = *odds.withBestTwo;
    return draws;
}

}  // namespace lorvex
