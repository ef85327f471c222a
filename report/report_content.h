#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/hit_table.h"
#include "core/system/system_row.h"
#include "core/system/system_table.h"

namespace lorvex {

// What a report reads at the moment of saving, and nothing else.
struct ReportData {
    const SystemTable& system;
    const HitTable& hits;
    std::span<const int> played = {};  // the numbers the rows are shown on; none: as they are
};

// "Lottosystem für H Zahlen in R Reihen mit Treffertabelle".
std::string reportTitle(int highestNumber, int rowCount);

// The six numbers in stored order, two digits each, single blanks: "01 02 03 04 05 06".
std::string systemRowText(const SystemRow& row);

// The program's folder (ending with a separator), then "HH_RRRR" and the extension.
std::string proposedReportName(std::string_view programDirectory, int highestNumber, int rowCount,
                               std::string_view extension);

// Takes a report line by line, without line ends, in UTF-8; the bytes of the file are made
// from them (report_stream.h).
using LineSink = std::function<void(std::string_view line)>;
using ReportWriter = void (*)(const ReportData& data, const LineSink& sink);

// The lines a writer writes, for looking at a report as a whole.
std::vector<std::string> reportLines(ReportWriter writer, const ReportData& data);

// Walks the hit rows in order; each block's section opens at its first row.
void forEachSectionRow(const HitTable& hits,
                       const std::function<void(const HitRow& row, bool opensSection)>& visit);

}  // namespace lorvex
