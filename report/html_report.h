#pragma once

#include <string>
#include <vector>

#include "report_content.h"

namespace lorvex {

// The HTML 4.01 page, line by line, without line ends.
std::vector<std::string> writeHtmlReport(const ReportData& data);

}  // namespace lorvex
