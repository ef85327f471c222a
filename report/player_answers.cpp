#include "player_answers.h"

#include <algorithm>

#include "core/messages/messages.h"
#include "core/questions/prize_classes.h"
#include "core/text/conversions.h"

namespace lorvex {

namespace {

std::string twoDigits(int number) {
    return PadLeft(FormatInteger(number), 2, "0");
}

std::string ascendingRow(SystemRow row) {
    std::sort(row.begin(), row.end());
    std::string text;
    for (const std::int32_t number : row) {
        if (!text.empty()) text += ' ';
        text += twoDigits(number);
    }
    return text;
}

// "1 Reihe", "4 Reihen": German counts one in the singular.
std::string counted(std::int64_t count, std::string_view one, std::string_view many) {
    return FormatInteger(count) + ' ' + std::string(count == 1 ? one : many);
}

template <class Count>
std::string perRank(std::string_view lead, Count count) {
    std::string text(lead);
    for (int hits = 6; hits >= 3; --hits) {
        if (hits < 6) text += ',';
        text += ' ' + FormatInteger(hits) + "er " + count(hits);
    }
    return text + '\n';
}

std::string coverageSection(const BlockCoverage& block) {
    const int width = int(FormatInteger(block.draws).size());
    std::string text =
        "Abdeckung bei " + FormatInteger(block.blockSize) + " Treffern in den Systemzahlen\n";
    for (int hits = block.blockSize; hits >= 3; --hits) {
        const std::int64_t draws = block.withAtLeast(hits);
        const double percent = double(draws) * 100.0 / double(block.draws);
        text += "  mindestens ein " + FormatInteger(hits) +
                "er: " + PadLeft(FormatInteger(draws), width) + " von " +
                FormatInteger(block.draws) + " Ziehungen (" +
                PadLeft(FormatDecimal(percent, 3), 7) + " %)\n";
    }
    return text;
}

std::string oddsLine(std::string_view label, std::int64_t draws) {
    // Labels padded to the longest, "bester Rang 6er:", counts to the width of all draws.
    std::string text = "  " + std::string(label) + std::string(17 - label.size(), ' ') +
                       PadLeft(FormatInteger(draws), int(FormatInteger(LOTTERY_DRAWS).size()));
    text += draws == 1 ? " Ziehung, " : " Ziehungen, ";
    if (draws == 0) return text + "nie\n";
    return text + "1 zu " + FormatDecimal(double(LOTTERY_DRAWS) / double(draws), 1) + '\n';
}

// "  Klasse 1 (6 Richtige + Superzahl):      14 von 139838160, 1 zu 9988440,0".
std::string prizeOddsLine(std::string_view label, std::int64_t draws, std::int64_t all) {
    constexpr std::size_t labelWidth = 36;  // "Klasse 1 (6 Richtige + Superzahl):" and a blank
    std::string text = "  " + std::string(label);
    text += std::string(labelWidth - std::min(labelWidth, Utf8CharacterCount(label)), ' ');
    text += PadLeft(FormatInteger(draws), int(FormatInteger(all).size())) + " von " +
            FormatInteger(all) + ", ";
    if (draws == 0) return text + "nie\n";
    return text + "1 zu " + FormatDecimal(double(all) / double(draws), 1) + '\n';
}

std::string prizeClassOddsText(const DrawOdds& odds) {
    const std::int64_t all = LOTTERY_DRAWS * SUPERZAHLEN;
    std::string text = "Gewinnklassen je Ziehung mit Superzahl (" + FormatInteger(LOTTERY_DRAWS) +
                       " × " + FormatInteger(SUPERZAHLEN) + " Fälle, beste Klasse)\n";
    const auto draws = drawsByBestClass(odds);
    if (!draws) {
        return text +
               "  nur für Systeme, deren Reihen je sechs verschiedene Zahlen haben, wie auf "
               "einem Spielschein\n";
    }
    std::int64_t anyWin = 0;
    for (int prize = 1; prize <= PRIZE_CLASSES; ++prize) {
        const std::int64_t count = (*draws)[std::size_t(prize - 1)];
        anyWin += count;
        text += prizeOddsLine(
            "Klasse " + FormatInteger(prize) + " (" + prizeClassWinning(prize) + "):", count, all);
    }
    return text + prizeOddsLine("irgendein Gewinn:", anyWin, all);
}

int shownNumber(std::size_t index, std::span<const int> played) {
    return played.empty() ? int(index) + 1 : played[index];
}

std::string numberList(std::span<const std::int32_t> rowsHolding, std::span<const int> played,
                       std::int32_t count) {
    std::string text;
    for (std::size_t i = 0; i < rowsHolding.size(); ++i) {
        if (rowsHolding[i] != count) continue;
        if (!text.empty()) text += ", ";
        text += twoDigits(shownNumber(i, played));
    }
    return text;
}

}  // namespace

std::string coverageText(std::span<const BlockCoverage> blocks) {
    std::string text;
    for (const BlockCoverage& block : blocks) {
        if (!text.empty()) text += '\n';
        text += coverageSection(block);
    }
    return text;
}

std::string noCoverageText(int smallestBlock, int highestNumber) {
    return noDrawText(smallestBlock, highestNumber);
}

std::string drawOddsText(const DrawOdds& odds) {
    std::string text = "Gewinnchancen je Ziehung 6 aus 49 (" + FormatInteger(LOTTERY_DRAWS) +
                       " Ziehungen, ohne Superzahl)\n";
    for (int hits = 6; hits >= 3; --hits) {
        text += oddsLine("bester Rang " + FormatInteger(hits) + "er:", odds.drawsWithBest(hits));
    }
    text += oddsLine("ohne Gewinn:", odds.withoutWin);
    text += perRank("Gewinnreihen je Ziehung im Mittel:", [&](int hits) {
        return FormatDecimal(double(odds.rowsWith(hits)) / double(LOTTERY_DRAWS), 6);
    });
    return text + '\n' + prizeClassOddsText(odds);
}

std::string numberFrequencyText(std::span<const std::int32_t> rowsHolding,
                                std::span<const int> played) {
    if (rowsHolding.empty()) return {};
    std::string text;
    for (std::size_t i = 0; i < rowsHolding.size(); ++i) {
        text += twoDigits(shownNumber(i, played)) + ": " +
                counted(rowsHolding[i], "Reihe", "Reihen") + '\n';
    }
    const auto [rarest, commonest] = std::minmax_element(rowsHolding.begin(), rowsHolding.end());
    text += "seltenste: " + numberList(rowsHolding, played, *rarest) + " mit " +
            counted(*rarest, "Reihe", "Reihen") + '\n';
    text += "häufigste: " + numberList(rowsHolding, played, *commonest) + " mit " +
            counted(*commonest, "Reihe", "Reihen") + '\n';
    return text;
}

std::string systemRowsText(std::span<const SystemRow> rows) {
    std::string text;
    text.reserve(rows.size() * 18);
    for (const SystemRow& row : rows) text += ascendingRow(row) + '\n';
    return text;
}

std::string drawCheckText(std::span<const SystemRow> rows, const DrawCheck& check) {
    const int width = int(FormatInteger(std::int64_t(rows.size())).size());
    std::string text;
    for (const DrawCheck::WinningRow& winning : check.winningRows) {
        text += "Reihe " + PadLeft(FormatInteger(winning.row), width) + ": " +
                ascendingRow(rows[std::size_t(winning.row - 1)]) + " - " +
                FormatInteger(winning.hits) + " Richtige\n";
    }
    return text +
           perRank("Summe:", [&](int hits) { return FormatInteger(check.rowsWithHits(hits)); });
}

}  // namespace lorvex
