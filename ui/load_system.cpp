#include "ui/load_system.h"

#include <utility>
#include <vector>

#include "core/conversions.h"
#include "core/file_bytes.h"
#include "core/system_loader.h"
#include "ui/failure_reason.h"
#include "ui/list_rows.h"
#include "ui/path_text.h"

namespace lorvex {

namespace {

constexpr std::string_view kOpenDialogTitle =
    "System \xF6"
    "ffnen...";
constexpr std::string_view kSystemFileFilter = "Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*";

void beginBusy(UserInterface& ui) {
    ui.setMainWindowEnabled(false);
    ui.showWaitWindow();
}

void endBusy(UserInterface& ui) {
    ui.hideWaitWindow();
    ui.setMainWindowEnabled(true);
}

// The busy state has begun; every way out of here ends it.
void readLines(Application& app, UserInterface& ui, LineSource& source) {
    SystemTable fresh;
    const LoadOutcome outcome = loadSystemLines(source, fresh, [&ui] { ui.PollEvent(); });
    if (outcome == LoadOutcome::Overflow) {
        reportOverflow(ui);
        return;
    }
    if (outcome == LoadOutcome::Loaded) {
        app.system = std::move(fresh);
        publishSystem(app, ui);
    }
    endBusy(ui);
}

void reportUnreadableFile(UserInterface& ui, const std::string& path, int error) {
    ui.ShowMessageBox(
        "\xD6"
        "ffnen",
        "Datei kann nicht ge\xF6"
        "ffnet werden:\n" +
            Utf8ToLatin1(path) + "\n" + openFailureReason(error));
}

}  // namespace

void openSystemFile(Application& app, UserInterface& ui) {
    const std::string path = ui.openFileDialog(kOpenDialogTitle, kSystemFileFilter,
                                               directoryPart(ui.ProgramDirectory()));
    if (path.empty()) return;
    loadSystemFile(app, ui, path);
}

void pasteSystem(Application& app, UserInterface& ui) {
    const std::string text = ui.clipboardText();
    if (text.empty()) return;
    ClipboardLines lines(text);
    loadSystem(app, ui, lines);
}

void loadSystem(Application& app, UserInterface& ui, LineSource& source) {
    beginBusy(ui);
    readLines(app, ui, source);
}

void loadSystemFile(Application& app, UserInterface& ui, const std::string& path) {
    beginBusy(ui);
    FileBytes file = readFileBytes(path);
    if (file.error != 0) {
        endBusy(ui);
        reportUnreadableFile(ui, path, file.error);
        return;
    }
    const std::string text = decodeSystemFileBytes(std::move(file.bytes));
    FileLines lines(text);
    readLines(app, ui, lines);
}

void publishSystem(Application& app, UserInterface& ui) {
    const SystemTable& system = app.system;
    for (const ProgressBarId bar :
         {ProgressBarId::Top, ProgressBarId::Middle, ProgressBarId::Bottom}) {
        ui.setProgressMaximum(bar, system.highestNumber());
    }
    ui.setStatusText(StatusField::Rows, FormatInteger(system.rowCount()) + " Systemreihen");
    ui.setStatusText(StatusField::Numbers, FormatInteger(system.highestNumber()) + " Systemzahlen");
    ui.removeAllRows(ListId::SystemList);
    app.hits.clear();
    ui.removeAllRows(ListId::HitList);

    std::vector<ListRow> rows;
    rows.reserve(static_cast<std::size_t>(system.rowCount()));
    for (int i = 1; i <= system.rowCount(); ++i) {
        ui.PollEvent();
        rows.push_back(systemListRow(i, system.row(i)));
    }
    ui.appendRows(ListId::SystemList, rows);
}

void reportOverflow(UserInterface& ui) {
    endBusy(ui);
    ui.ShowMessageBox(
        "\xDC"
        "berlauf",
        "System \xFC"
        "ber " +
            FormatInteger(MAX_SYSTEM_ROWS) + " Reihen oder " + FormatInteger(MAX_SYSTEM_NUMBER) +
            " Zahlen");
}

}  // namespace lorvex
