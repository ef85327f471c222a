#include "core/system/system_loader.h"

#include <utility>

#include "core/system/file_bytes.h"

namespace lorvex {

namespace {

SystemLoad loadBytes(FileBytes input, SystemTable& table, const PerLine& perLine, RowOrder order) {
    if (input.error != 0) return {LoadOutcome::Unreadable, input.error};
    return readSystemBytes(std::move(input.bytes), table, perLine, order);
}

}  // namespace

SystemLoad readSystemBytes(std::string bytes, SystemTable& table, const PerLine& perLine,
                           RowOrder order) {
    const std::string text = decodeSystemFileBytes(std::move(bytes));
    FileLines lines(text);
    return loadSystemLinesCounted(lines, table, perLine, order);
}

LoadOutcome loadSystemLines(LineSource& source, SystemTable& table, const PerLine& perLine) {
    return loadSystemLinesCounted(source, table, perLine).outcome;
}

SystemLoad loadSystemLinesCounted(LineSource& source, SystemTable& table, const PerLine& perLine,
                                  RowOrder order) {
    table.clear();
    SystemLoad load;
    while (!source.atEnd()) {
        if (perLine) perLine();
        const std::string_view line = source.nextLine();
        if (line.empty()) continue;
        const auto row = parseSystemLine(line);
        if (!row) {
            if (line.find_first_not_of(" \t\r") != std::string_view::npos) ++load.skippedLines;
            continue;
        }
        if (table.appendRow(*row) == SystemTable::AppendResult::Overflow) {
            table.clear();
            load.outcome = LoadOutcome::Overflow;
            return load;
        }
    }
    if (table.rowCount() == 0) return load;
    if (order == RowOrder::Sorted) table.sortRows();
    load.outcome = LoadOutcome::Loaded;
    return load;
}

SystemLoad readSystemFile(const std::string& path, SystemTable& table, const PerLine& perLine,
                          RowOrder order, PipeWriter pipeWriter) {
    return loadBytes(readFileBytes(path, MAX_FILE_BYTES, pipeWriter), table, perLine, order);
}

SystemLoad readSystemStream(int fd, SystemTable& table, const PerLine& perLine, RowOrder order) {
    return loadBytes(readOpenFileBytes(fd), table, perLine, order);
}

SystemLoad readSystemText(std::string_view clipboardText, SystemTable& table,
                          const PerLine& perLine) {
    ClipboardLines lines(clipboardText);
    return loadSystemLinesCounted(lines, table, perLine);
}

}  // namespace lorvex
