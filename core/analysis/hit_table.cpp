#include "core/analysis/hit_table.h"

#include "core/text/conversions.h"

namespace lorvex {

namespace {

std::string countText(std::int32_t count) {
    return count == 0 ? std::string() : FormatInteger(count);
}

}  // namespace

std::string hitCellText(const HitRow& row, HitColumn column, char decimalMark) {
    switch (column) {
        case HitColumn::BlockSize:
            return FormatInteger(row.blockSize);
        case HitColumn::Six:
            return countText(row.outcome.hits(6));
        case HitColumn::Five:
            return countText(row.outcome.hits(5));
        case HitColumn::Four:
            return countText(row.outcome.hits(4));
        case HitColumn::Three:
            return countText(row.outcome.hits(3));
        case HitColumn::Cases:
            return FormatInteger(row.cases);
        case HitColumn::Percent: {
            std::string text = FormatDecimal(row.percent, 3);
            if (const auto point = text.find('.'); point != std::string::npos)
                text[point] = decimalMark;
            return text;
        }
    }
    return {};
}

}  // namespace lorvex
