#pragma once

#include "report_content.h"

namespace lorvex {

// The HTML 4.01 page, line by line.
void writeHtmlReport(const ReportData& data, const LineSink& sink);

}  // namespace lorvex
