#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/questions/draw_odds.h"

// The prize classes of 6 aus 49. The Superzahl (0 to 9, the last digit of the ticket number) is
// one for every row of a ticket; a row wins the class of its own Richtige.
namespace lorvex {

inline constexpr int PRIZE_CLASSES = 9;
inline constexpr int SUPERZAHLEN = 10;
// Class 9 pays a fixed amount; the others share a pool, so no amount is known beforehand.
inline constexpr int CLASS_NINE_CENTS = 600;

// 1: 6 Richtige + Superzahl, 2: 6 Richtige, ... 8: 3 Richtige, 9: 2 Richtige + Superzahl;
// 0 when the row wins nothing.
constexpr int prizeClass(int hits, bool superzahlMatches) {
    if (hits == 2) return superzahlMatches ? PRIZE_CLASSES : 0;
    if (hits < 3 || hits > NUMBERS_PER_ROW) return 0;
    return 2 * (NUMBERS_PER_ROW - hits) + (superzahlMatches ? 1 : 2);
}

// A Superzahl as typed: one digit 0..9; otherwise nothing.
constexpr std::optional<int> parseSuperzahl(std::string_view text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '9') return std::nullopt;
    return text[0] - '0';
}

// "6 Richtige + Superzahl", "5 Richtige".
std::string prizeClassWinning(int prizeClass);

// The draws and Superzahlen, of all LOTTERY_DRAWS × SUPERZAHLEN, whose best row wins each class:
// [0] class 1 ... [8] class 9. A ticket's Superzahl matches one drawn Superzahl in ten,
// whichever it is. Nothing when the odds do not know the draws whose best row scores 2.
std::optional<std::array<std::int64_t, PRIZE_CLASSES>> drawsByBestClass(const DrawOdds& odds);

}  // namespace lorvex
