#pragma once

#include "report_content.h"

namespace lorvex {

// The fixed-width text report, line by line.
void writeTextReport(const ReportData& data, const LineSink& sink);

}  // namespace lorvex
