// Any clipboard text: the splitter's pieces against the literal cutting rule, and the load of
// the same text.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/system/system_loader.h"
#include "core/system/system_table.h"
#include "core/system/system_text.h"
#include "fuzz_check.h"
#include "reference_text_rules.h"

namespace {

using lorvex::fuzz::require;
using lorvex::fuzz::reusedTable;

void checkPieces(std::string_view text, const std::vector<std::string>& pieces) {
    const std::string joined = lorvex::fuzz::referenceClipboardJoined(text);
    const auto bars = static_cast<std::size_t>(std::count(joined.begin(), joined.end(), '|'));
    require(pieces.size() == bars + 2, "m bars give m + 2 pieces");
    require(pieces.back().empty(), "the piece beyond the end is empty");
    std::string rejoined;
    for (const std::string& piece : pieces) {
        require(piece.find_first_of(std::string_view("\r\n|\0", 4)) == std::string::npos,
                "no piece holds CR, LF, | or NUL");
        rejoined += piece;
        rejoined += '|';
    }
    require(rejoined == joined + "||", "the pieces joined by | give the cleaned text");
    require(pieces == lorvex::fuzz::referenceClipboardPieces(text),
            "the pieces are those of the literal rule");
}

void checkLinesMatchPieces(std::string_view text, const std::vector<std::string>& pieces) {
    lorvex::ClipboardLines lines(text);
    std::size_t index = 0;
    while (!lines.atEnd()) {
        require(index < pieces.size(), "the line source gives no more lines than pieces");
        require(lines.nextLine() == pieces[index++], "the line source gives the pieces in order");
    }
    require(index == pieces.size(), "the line source gives every piece");
}

void checkLoad(std::string_view text, const std::vector<std::string>& pieces) {
    lorvex::ClipboardLines lines(text);
    lorvex::SystemTable& table = reusedTable();
    const lorvex::LoadOutcome outcome = lorvex::loadSystemLines(lines, table);
    std::vector<lorvex::SystemRow> expected;
    for (const std::string& piece : pieces) {
        if (piece.empty()) continue;
        const auto parsed = lorvex::fuzz::referenceParseLine(piece);
        if (parsed.verdict == lorvex::fuzz::LineVerdict::Unsettled) return;
        if (parsed.verdict == lorvex::fuzz::LineVerdict::Row) expected.push_back(parsed.row);
    }
    if (expected.size() > lorvex::MAX_SYSTEM_ROWS) {
        require(outcome == lorvex::LoadOutcome::Overflow && table.rowCount() == 0,
                "an overflow leaves no row");
        return;
    }
    std::sort(expected.begin(), expected.end());
    require((outcome == lorvex::LoadOutcome::Loaded) == !expected.empty(), "load outcome");
    require(std::equal(expected.begin(), expected.end(), table.rows().begin(), table.rows().end()),
            "exactly the accepted rows are loaded, sorted");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> pieces = lorvex::splitClipboardText(text);
    checkPieces(text, pieces);
    checkLinesMatchPieces(text, pieces);
    checkLoad(text, pieces);
    return 0;
}
