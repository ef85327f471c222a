#pragma once

#include <string>

#include "filewrite/file_sink.h"
#include "report_content.h"

namespace lorvex {

// A report's file bytes (every line in ISO 8859-1, followed by CR LF, the last one too): the
// one place where the report's UTF-8 lines become the file's encoding. Handed to the sink in
// pieces of about kChunkBytes as the writer makes them, so that a report of millions of lines
// never stands whole in memory. Returns the sink's first failure; the writer's later lines are
// then dropped.
WriteError streamReportBytes(ReportWriter writer, const ReportData& data, FileSink& sink);

// The same bytes in one piece.
std::string reportBytes(ReportWriter writer, const ReportData& data);

}  // namespace lorvex
