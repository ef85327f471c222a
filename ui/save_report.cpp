#include "ui/save_report.h"

#include "core/messages/messages.h"
#include "filewrite/write_file.h"
#include "report/html_report.h"
#include "report/report_stream.h"
#include "report/text_report.h"
#include "ui/path_text.h"

namespace lorvex {

std::string saveDirectory(const UserInterface& ui, const std::string& systemFile) {
    const std::string home = ui.homeDirectory();
    for (const std::string& folder : {directoryPart(ui.ProgramDirectory()),
                                      directoryPart(systemFile), ui.documentsDirectory(), home}) {
        if (!folder.empty() && ui.isWritableDirectory(folder)) return folder;
    }
    return home;
}

void saveReport(const Application& app, UserInterface& ui, std::string_view filter,
                std::string_view extension, ReportWriter writer) {
    if (app.hits.rowCount() == 0) {
        ui.ShowMessageBox(SAVE_TITLE, NO_ANALYSIS_TO_SAVE);
        return;
    }
    std::string folder = saveDirectory(ui, app.systemFile);
    if (!folder.ends_with('/')) folder += '/';
    const std::string proposed =
        proposedReportName(folder, app.system.highestNumber(), app.system.rowCount(), extension);
    const std::string path = ui.saveFileDialog(SAVE_DIALOG_TITLE, filter, directoryPart(proposed),
                                               fileNamePart(proposed));
    if (path.empty()) return;

    const ReportData data{app.system, app.hits};
    const WriteError error =
        writeFile(path, [&](FileSink& sink) { return streamReportBytes(writer, data, sink); });
    if (!error) return;
    ui.ShowMessageBox(SAVE_TITLE, std::string(CANNOT_SAVE) + "\n" + path + "\n" +
                                      saveFailureReason(error.number()));
}

void saveTextReport(const Application& app, UserInterface& ui) {
    saveReport(app, ui, "Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*", ".txt", writeTextReport);
}

void saveHtmlReport(const Application& app, UserInterface& ui) {
    saveReport(app, ui, "Internet (*.html)|*.html|Alle Dateien (*.*)|*.*", ".html",
               writeHtmlReport);
}

}  // namespace lorvex
