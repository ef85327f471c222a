#pragma once

#include <string>

#include "report_content.h"
#include "report_file.h"

namespace lorvex {

// A report's file bytes (every line in ISO 8859-1, followed by CR LF, the last one too): the
// one place where the report's UTF-8 lines become the file's encoding. Handed on in pieces
// of about a megabyte as the writer makes them, so that a report of millions of lines never
// stands whole in memory. False when the sink stopped it.
bool streamReportBytes(ReportWriter writer, const ReportData& data, const ChunkSink& sink);

// The same bytes in one piece.
std::string reportBytes(ReportWriter writer, const ReportData& data);

}  // namespace lorvex
