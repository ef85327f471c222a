#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/system/system_row.h"

// A second, deliberately literal reading of the system text rules, step by step as the user
// documentation states them, to compare the optimised reader against.
namespace lorvex::fuzz {

// The lines of a file's bytes: LF, CR, CR LF and NUL end a line; the last line needs no end.
std::vector<std::string> referenceFileLines(std::string_view bytes);

// The pieces of a clipboard text, the empty piece beyond the end included.
std::vector<std::string> referenceClipboardPieces(std::string_view text);

// The clipboard text after LF and CR became "|" and "||" became "|" in one pass.
std::string referenceClipboardJoined(std::string_view text);

enum class LineVerdict { Row, Rejected, Unsettled };

struct ReferenceLine {
    LineVerdict verdict = LineVerdict::Rejected;
    SystemRow row{};
};

// The eight blank-shortening passes, the trim, the fields and their values. Unsettled when the
// passes leave two blanks side by side (runs longer than the passes can merge), a case the
// program deliberately reads as one separator.
ReferenceLine referenceParseLine(std::string_view line);

}  // namespace lorvex::fuzz
