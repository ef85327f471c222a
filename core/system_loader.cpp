#include "system_loader.h"

namespace lorvex {

LoadOutcome loadSystemLines(LineSource& source, SystemTable& table,
                            const std::function<void()>& perLine) {
    table.clear();
    while (!source.atEnd()) {
        if (perLine) perLine();
        const std::string_view line = source.nextLine();
        if (line.empty()) continue;
        const auto row = parseSystemLine(line);
        if (!row) continue;
        if (table.appendRow(*row) == SystemTable::AppendResult::Overflow) {
            table.clear();
            return LoadOutcome::Overflow;
        }
    }
    if (table.rowCount() == 0) return LoadOutcome::NoRow;
    table.sortRows();
    return LoadOutcome::Loaded;
}

}  // namespace lorvex
