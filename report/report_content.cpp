#include "report_content.h"

#include "core/text/conversions.h"

namespace lorvex {

std::string reportTitle(int highestNumber, int rowCount) {
    return "Lottosystem für " + FormatInteger(highestNumber) + " Zahlen in " +
           FormatInteger(rowCount) + " Reihen mit Treffertabelle";
}

std::string systemRowText(const SystemRow& row) {
    std::string text;
    for (const std::int32_t number : row) {
        if (!text.empty()) text += ' ';
        text += PadLeft(FormatInteger(number), 2, "0");
    }
    return text;
}

std::string proposedReportName(std::string_view programDirectory, int highestNumber, int rowCount,
                               std::string_view extension) {
    std::string name(programDirectory);
    name += PadLeft(FormatInteger(highestNumber), 2, "0");
    name += '_';
    name += PadLeft(FormatInteger(rowCount), 4, "0");
    name += extension;
    return name;
}

std::vector<std::string> reportLines(ReportWriter writer, const ReportData& data) {
    std::vector<std::string> lines;
    writer(data, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

void forEachSectionRow(const HitTable& hits,
                       const std::function<void(const HitRow& row, bool opensSection)>& visit) {
    for (const HitRow& row : hits.rows()) visit(row, row.firstOfBlock);
}

}  // namespace lorvex
