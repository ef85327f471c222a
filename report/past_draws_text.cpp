#include "past_draws_text.h"

#include "core/messages/messages.h"
#include "core/text/conversions.h"

namespace lorvex {

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
constexpr std::string_view DATE_GAP = "          ";  // as wide as "24.12.2025"

std::string drawNumbersText(const PastDraw& draw, std::string_view separator, bool padded) {
    std::string text;
    for (const int number : draw.numbers) {
        if (!text.empty()) text += separator;
        text += padded ? PadLeft(FormatInteger(number), 2, "0") : FormatInteger(number);
    }
    return text;
}

// "2× Klasse 8, 1× Klasse 6", the lowest class first; "kein Gewinn".
std::string winsText(const DrawPrizes& prizes) {
    std::string text;
    for (int prize = PRIZE_CLASSES; prize >= 1; --prize) {
        if (prizes.rowsIn(prize) == 0) continue;
        if (!text.empty()) text += ", ";
        text += FormatInteger(prizes.rowsIn(prize)) + "× Klasse " + FormatInteger(prize);
    }
    return text.empty() ? "kein Gewinn" : text;
}

std::string drawLine(const PastDraw& draw, const DrawPrizes& prizes) {
    const std::string superzahl = draw.superzahl ? FormatInteger(*draw.superzahl) : "-";
    return (draw.date.empty() ? std::string(DATE_GAP) : draw.date) + "  " +
           drawNumbersText(draw, " ", true) + "  SZ " + superzahl + "  " + winsText(prizes) + '\n';
}

// Why some classes could not be told, or nothing when all could.
std::string countedByRichtigeText(const PastDrawsPlayed& played) {
    constexpr std::string_view byRichtige =
        "zählt jede Reihe nach ihren Richtigen allein (6 Richtige in Klasse 2, 5 in Klasse 4, 4 "
        "in Klasse 6, 3 in Klasse 8; 2 Richtige gewinnen nichts).\n";
    if (!played.ticketSuperzahl) {
        return "Ohne die Superzahl des Spielscheins lassen sich die Klassen 1, 3, 5, 7 und 9 "
               "nicht bestimmen: es " +
               std::string(byRichtige);
    }
    std::int64_t without = 0;
    for (const PastDraw& draw : played.draws) without += draw.superzahl ? 0 : 1;
    if (without == 0) return {};
    return (without == 1 ? "In 1 Ziehung fehlt"
                         : "In " + FormatInteger(without) + " Ziehungen fehlt") +
           std::string(" die Superzahl: dort ") + std::string(byRichtige);
}

}  // namespace

std::string pastDrawsText(const PastDrawsPlayed& played) {
    const auto draws = std::int64_t(played.draws.size());
    std::string text = FormatInteger(draws) + (draws == 1 ? " Ziehung" : " Ziehungen") + " mit " +
                       FormatInteger(played.rows) + (played.rows == 1 ? " Reihe" : " Reihen");
    text += played.ticketSuperzahl
                ? ", Superzahl des Spielscheins: " + FormatInteger(*played.ticketSuperzahl) + "\n\n"
                : ", ohne Superzahl\n\n";
    std::array<std::int64_t, PRIZE_CLASSES> rowsInClass{};
    std::int64_t drawsWon = 0;
    for (std::size_t i = 0; i < played.draws.size(); ++i) {
        const DrawPrizes& prizes = played.prizes[i];
        text += drawLine(played.draws[i], prizes);
        for (int prize = 1; prize <= PRIZE_CLASSES; ++prize)
            rowsInClass[std::size_t(prize - 1)] += prizes.rowsIn(prize);
        drawsWon += prizes.won() ? 1 : 0;
    }
    text += "\nGewinne je Klasse (Reihen)\n";
    for (int prize = 1; prize <= PRIZE_CLASSES; ++prize) {
        text += "Klasse " + FormatInteger(prize) + " (" + prizeClassWinning(prize) +
                "): " + FormatInteger(rowsInClass[std::size_t(prize - 1)]) + '\n';
    }
    text += countedByRichtigeText(played);
    text +=
        "Ziehungen mit Gewinn: " + FormatInteger(drawsWon) + " von " + FormatInteger(draws) + '\n';
    const std::int64_t classNine = rowsInClass[PRIZE_CLASSES - 1];
    text += "Einsatz: " + GroupedInteger(played.rows) + " Reihen × " + GroupedInteger(draws) +
            " Ziehungen × " + euroText(ROW_PRICE_CENTS) + " = " +
            euroText(played.rows * draws * ROW_PRICE_CENTS) +
            "; feste Gewinne der Klasse 9: " + GroupedInteger(classNine) + " × " +
            euroText(CLASS_NINE_CENTS) + " = " + euroText(classNine * CLASS_NINE_CENTS) + '\n';
    return text;
}

std::string pastDrawsCsv(const PastDrawsPlayed& played) {
    std::string text(BYTE_ORDER_MARK);
    text += "Datum;Zahlen;Superzahl";
    for (int prize = 1; prize <= PRIZE_CLASSES; ++prize) text += ";Klasse " + FormatInteger(prize);
    text += "\r\n";
    for (std::size_t i = 0; i < played.draws.size(); ++i) {
        const PastDraw& draw = played.draws[i];
        text += draw.date + ';' + drawNumbersText(draw, " ", false) + ';' +
                (draw.superzahl ? FormatInteger(*draw.superzahl) : "");
        for (int prize = 1; prize <= PRIZE_CLASSES; ++prize)
            text += ';' + FormatInteger(played.prizes[i].rowsIn(prize));
        text += "\r\n";
    }
    return text;
}

std::string skippedDrawLinesText(const PastDrawList& list) {
    if (list.skippedLines == 0) return {};
    std::string text = FormatInteger(list.skippedLines) +
                       (list.skippedLines == 1 ? " Zeile" : " Zeilen") +
                       " ohne Ziehung übersprungen (Zeile ";
    for (std::size_t i = 0; i < list.firstSkipped.size(); ++i)
        text += (i > 0 ? ", " : "") + FormatInteger(list.firstSkipped[i]);
    if (std::size_t(list.skippedLines) > list.firstSkipped.size()) text += ", …";
    return text + ')';
}

}  // namespace lorvex
