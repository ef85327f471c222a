#include "guarantee.h"

#include "core/conversions.h"

namespace lorvex {

namespace {

std::string guaranteeLine(const HitRow& worst) {
    std::string line = "Garantie bei " + worst.cells[0] + " Treffern in den Systemzahlen: ";
    // Cells 1 to 4 hold the rows with 6, 5, 4 and 3 hits.
    for (int column = 1; column <= 4; ++column) {
        if (!worst.cells[column].empty()) {
            return line + "mindestens ein " + FormatInteger(7 - column) + "er";
        }
    }
    return line + "keine";
}

}  // namespace

std::vector<std::string> guaranteeLines(const HitTable& hits) {
    std::vector<std::string> lines;
    const auto rows = hits.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool lastOfBlock = i + 1 == rows.size() || rows[i + 1].firstOfBlock;
        if (lastOfBlock) lines.push_back(guaranteeLine(rows[i]));
    }
    return lines;
}

}  // namespace lorvex
