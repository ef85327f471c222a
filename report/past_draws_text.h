#pragma once

#include <optional>
#include <span>
#include <string>

#include "core/questions/past_draw_prizes.h"
#include "core/questions/past_draws.h"

// What a ticket won in past draws, as text (UTF-8, LF) and as CSV.
namespace lorvex {

struct PastDrawsPlayed {
    std::span<const PastDraw> draws;
    std::span<const DrawPrizes> prizes;  // one per draw
    std::int64_t rows = 0;               // the ticket's rows
    std::optional<int> ticketSuperzahl;
};

// A line per draw, then the rows in each prize class, the draws with a win and the stake.
std::string pastDrawsText(const PastDrawsPlayed& played);

// A byte-order mark, then "Datum;Zahlen;Superzahl;Klasse 1;...;Klasse 9" and a line per draw,
// each ending in CR LF.
std::string pastDrawsCsv(const PastDrawsPlayed& played);

// "2 Zeilen ohne Ziehung übersprungen (Zeile 1, 7)".
std::string skippedDrawLinesText(const PastDrawList& list);

// Why a text holds no draw to check.
inline constexpr std::string_view NO_PAST_DRAW =
    "Die Liste enthält keine Ziehung. Erwartet wird je Zeile eine Ziehung: ein Datum (wahlweise), "
    "sechs verschiedene Zahlen von 1 bis 49 und die Superzahl von 0 bis 9 (wahlweise), getrennt "
    "durch Leerzeichen, Tabulatoren, \";\" oder \",\".";

}  // namespace lorvex
