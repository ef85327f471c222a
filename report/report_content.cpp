#include "report_content.h"

#include <array>

#include "core/conversions.h"

namespace lorvex {

std::string reportTitle(int highestNumber, int rowCount) {
    return "Lottosystem f\xFCr " + FormatInteger(highestNumber) + " Zahlen in " +
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

void forEachSectionRow(const HitTable& hits,
                       const std::function<void(const HitRow& row, bool opensSection)>& visit) {
    static constexpr std::array<std::string_view, 4> kBlocks = {"6", "5", "4", "3"};
    std::array<bool, kBlocks.size()> opened{};
    for (const HitRow& row : hits.rows()) {
        for (std::size_t i = 0; i < kBlocks.size(); ++i) {
            if (!TextEquals(row.cells[0], kBlocks[i])) continue;
            visit(row, !opened[i]);
            opened[i] = true;
            break;
        }
    }
}

}  // namespace lorvex
