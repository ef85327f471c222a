#pragma once

#include <string>
#include <vector>

#include "report_content.h"

namespace lorvex {

// The fixed-width text report, line by line, without line ends.
std::vector<std::string> writeTextReport(const ReportData& data);

}  // namespace lorvex
