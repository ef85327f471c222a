#include "hit_table_csv.h"

namespace lorvex {

std::string hitTableCsv(const HitTable& hits) {
    std::string csv = "\xEF\xBB\xBFTreffer;6er;5er;4er;3er;Fälle;Prozent\r\n";
    for (const HitRow& row : hits.rows()) {
        for (int column = 0; column < HIT_COLUMNS; ++column) {
            csv += hitCellText(row, static_cast<HitColumn>(column), ',');
            csv += column + 1 < HIT_COLUMNS ? ";" : "\r\n";
        }
    }
    return csv;
}

}  // namespace lorvex
