#include "builder/job/win_table.h"

#include <bit>

#include "core/analysis/hit_analysis.h"
#include "core/system/system_table.h"
#include "core/text/conversions.h"

namespace lorvex::builder {

namespace {

SystemTable tableOf(std::span<const Row> rows, int numbers) {
    SystemTable table;
    for (const Row row : rows) {
        SystemRow numbers{};
        int position = 0;
        for (Block rest = row.numbers; rest != 0 && position < NUMBERS_PER_ROW; rest &= rest - 1) {
            numbers[std::size_t(position++)] = std::countr_zero(rest) + 1;
        }
        if (table.appendRow(numbers) == SystemTable::AppendResult::Overflow) break;
    }
    table.sortRows();
    table.widenNumbers(numbers);
    return table;
}

std::string cell(std::int32_t count) {
    return PadLeft(FormatInteger(count), 6);
}

std::string outcomeCells(const Outcome& outcome) {
    std::string text;
    for (int hits = 6; hits >= 3; --hits) text += cell(outcome.hits(hits));
    return text;
}

}  // namespace

std::vector<WinLine> winTable(std::span<const Row> rows, int numbers, ProgressObserver* observer) {
    std::vector<WinLine> lines;
    const SystemTable table = tableOf(rows, numbers);
    if (table.rowCount() == 0) return lines;
    for (const int drawn : ALL_BLOCK_SIZES) {
        if (drawn > table.highestNumber()) continue;
        HitTable hits;
        HitAnalysis(table, hits).run(drawn, observer);
        if (hits.rowCount() == 0) continue;
        // The patterns come best first, worst last.
        lines.push_back({drawn, hits.rows().back().outcome, hits.rows().front().outcome});
    }
    return lines;
}

std::string winTableText(std::span<const WinLine> lines) {
    if (lines.empty()) return {};
    std::string text =
        "Gewinntabelle: so viele Reihen mit 6, 5, 4 und 3 Richtigen, wenn K der\n"
        "Gewinnzahlen unter Ihren Zahlen sind\n"
        "   K                         6er   5er   4er   3er\n";
    for (const WinLine& line : lines) {
        text += PadLeft(FormatInteger(line.drawnAmong), 4) + "  schlechteste Ziehung" +
                outcomeCells(line.least) + "\n";
        text += "      beste Ziehung       " + outcomeCells(line.best) + "\n";
    }
    return text;
}

}  // namespace lorvex::builder
