#include "text_report.h"

#include "core/conversions.h"

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
        line.append(" ").append(row.cells[0]).append(" entweder |");
    } else {
        line.append("       oder |");
    }
    for (int column = 1; column <= 4; ++column) appendField(line, row.cells[column], 4);
    appendField(line, row.cells[5], 7);
    line += ' ';
    line += PadLeft(row.cells[6], 7);
    return line;
}

}  // namespace

std::vector<std::string> writeTextReport(const ReportData& data) {
    std::vector<std::string> lines;
    const std::string title = reportTitle(data.system.highestNumber(), data.system.rowCount());
    lines.push_back(title);
    lines.push_back(PadLeft("", static_cast<int>(title.size()), "-"));
    for (const SystemRow& row : data.system.rows()) lines.push_back(systemRowText(row));
    lines.emplace_back();
    lines.emplace_back("    Treffer |  6er |  5er |  4er |  3er |  Faelle | Prozent");
    forEachSectionRow(data.hits, [&lines](const HitRow& row, bool opensSection) {
        if (opensSection) lines.push_back(std::string(kSeparatorWidth, '-'));
        lines.push_back(hitLine(row, opensSection));
    });
    lines.emplace_back();
    lines.emplace_back("Alle Angaben wurden sorgfaeltig ermittelt erfolgen aber ohne Gewaehr!");
    return lines;
}

}  // namespace lorvex
