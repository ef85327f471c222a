#include "hit_table_csv.h"

#include <algorithm>

namespace lorvex {

std::string hitTableCsv(const HitTable& hits) {
    std::string csv = "\xEF\xBB\xBFTreffer;6er;5er;4er;3er;F\xC3\xA4lle;Prozent\r\n";
    for (const HitRow& row : hits.rows()) {
        for (int column = 0; column < HIT_COLUMNS; ++column) {
            std::string cell = row.cells[column];
            if (column == HIT_COLUMNS - 1) std::replace(cell.begin(), cell.end(), '.', ',');
            csv += cell;
            csv += column + 1 < HIT_COLUMNS ? ";" : "\r\n";
        }
    }
    return csv;
}

}  // namespace lorvex
