#include "text_report.h"

#include "core/system/played_numbers.h"
#include "core/text/conversions.h"

namespace lorvex {

namespace {

constexpr int kSeparatorWidth = 60;

// One blank, the cell right-aligned in `width` (wider cells are kept whole), then " |".
void appendField(std::string& line, const std::string& cell, int width) {
    line += ' ';
    line += PadLeft(cell, std::max(width, static_cast<int>(cell.size())));
    line += " |";
}

std::string hitLine(const HitRow& row, bool opensSection) {
    std::string line;
    if (opensSection) {
        line.append(" ").append(hitCellText(row, HitColumn::BlockSize)).append(" entweder |");
    } else {
        line.append("       oder |");
    }
    for (const HitColumn count :
         {HitColumn::Six, HitColumn::Five, HitColumn::Four, HitColumn::Three}) {
        appendField(line, hitCellText(row, count), 4);
    }
    appendField(line, hitCellText(row, HitColumn::Cases), 7);
    line += ' ';
    line += PadLeft(hitCellText(row, HitColumn::Percent), 7);
    return line;
}

}  // namespace

void writeTextReport(const ReportData& data, const LineSink& sink) {
    const std::string title = reportTitle(data.system.highestNumber(), data.system.rowCount());
    sink(title);
    sink(PadLeft("", static_cast<int>(Utf8CharacterCount(title)), "-"));
    for (const SystemRow& row : data.system.rows())
        sink(systemRowText(playedRow(row, data.played)));
    sink("");
    sink("    Treffer |  6er |  5er |  4er |  3er |  Faelle | Prozent");
    const std::string separator(kSeparatorWidth, '-');
    forEachSectionRow(data.hits, [&](const HitRow& row, bool opensSection) {
        if (opensSection) sink(separator);
        sink(hitLine(row, opensSection));
    });
    sink("");
    sink("Alle Angaben wurden sorgfaeltig ermittelt erfolgen aber ohne Gewaehr!");
}

}  // namespace lorvex
