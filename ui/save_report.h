#pragma once

#include <string>
#include <string_view>

#include "report/report_content.h"
#include "ui/application.h"
#include "ui/user_interface.h"

namespace lorvex {

// The folder the save dialog proposes: the program's folder where it can be written (as the
// program always did), else the folder of the loaded system file, else the documents folder,
// else home.
std::string saveDirectory(const UserInterface& ui, const std::string& systemFile);

// Asks for a file name and writes the current analysis there. An empty hit table is answered
// with a message and no dialog. The file is replaced only once the report is completely
// written, and a failure is always reported with the path and the reason.
void saveReport(const Application& app, UserInterface& ui, std::string_view filter,
                std::string_view extension, ReportWriter writer);

// CMD_SAVE_TXT and CMD_SAVE_HTML.
void saveTextReport(const Application& app, UserInterface& ui);
void saveHtmlReport(const Application& app, UserInterface& ui);

}  // namespace lorvex
