#include "guarantee.h"

#include "core/text/conversions.h"

namespace lorvex {

namespace {

std::string guaranteeLine(const HitRow& worst) {
    std::string line =
        "Garantie bei " + FormatInteger(worst.blockSize) + " Treffern in den Systemzahlen: ";
    for (int hits = 6; hits >= 3; --hits) {
        if (worst.outcome.hits(hits) != 0) {
            return line + "mindestens ein " + FormatInteger(hits) + "er";
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
