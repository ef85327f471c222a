#include "ui/list_rows.h"

#include "core/text/conversions.h"

namespace lorvex {

ListRow systemListRow(int rowNumber, const SystemRow& row) {
    ListRow listRow;
    listRow.texts[0] = FormatInteger(rowNumber);
    for (std::size_t position = 0; position < row.size(); ++position) {
        listRow.texts[position + 1] = FormatInteger(row[position]);
    }
    return listRow;
}

ListRow hitListRow(const HitRow& row) {
    ListRow listRow;
    for (int column = 0; column < HIT_COLUMNS; ++column)
        listRow.texts[column] = hitCellText(row, static_cast<HitColumn>(column));
    listRow.grey = row.firstOfBlock;
    return listRow;
}

}  // namespace lorvex
