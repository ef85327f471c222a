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

// The main window disabled and the wait window shown, from construction until end() or,
// when the load throws (too little memory), until destruction.
class BusyState {
public:
    explicit BusyState(UserInterface& ui) : ui_(ui) {
        ui_.setMainWindowEnabled(false);
        ui_.showWaitWindow();
    }
    ~BusyState() { end(); }
    BusyState(const BusyState&) = delete;
    BusyState& operator=(const BusyState&) = delete;

    void end() {
        if (!busy_) return;
        busy_ = false;
        ui_.hideWaitWindow();
        ui_.setMainWindowEnabled(true);
    }

private:
    UserInterface& ui_;
    bool busy_ = true;
};

// Bar ranges, status texts, the system list, and an empty hit table and hit list. The list
// rows are made first, before anything changes, so that running out of memory on them
// leaves the earlier system in place and on screen.
void publishSystem(Application& app, UserInterface& ui, SystemTable fresh) {
    std::vector<ListRow> rows;
    rows.reserve(static_cast<std::size_t>(fresh.rowCount()));
    for (int i = 1; i <= fresh.rowCount(); ++i) {
        ui.PollEvent();
        rows.push_back(systemListRow(i, fresh.row(i)));
    }
    app.system = std::move(fresh);
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
    ui.appendRows(ListId::SystemList, rows);
}

void reportOverflow(UserInterface& ui) {
    ui.ShowMessageBox(
        "\xDC"
        "berlauf",
        "System \xFC"
        "ber " +
            FormatInteger(MAX_SYSTEM_ROWS) + " Reihen oder " + FormatInteger(MAX_SYSTEM_NUMBER) +
            " Zahlen");
}

void readLines(Application& app, UserInterface& ui, LineSource& source, BusyState& busy) {
    SystemTable fresh;
    const LoadOutcome outcome = loadSystemLines(source, fresh, [&ui] { ui.PollEvent(); });
    if (outcome == LoadOutcome::Loaded) publishSystem(app, ui, std::move(fresh));
    busy.end();
    if (outcome == LoadOutcome::Overflow) reportOverflow(ui);
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
    BusyState busy(ui);
    readLines(app, ui, source, busy);
}

void loadSystemFile(Application& app, UserInterface& ui, const std::string& path) {
    BusyState busy(ui);
    FileBytes file = readFileBytes(path);
    if (file.error != 0) {
        busy.end();
        reportUnreadableFile(ui, path, file.error);
        return;
    }
    const std::string text = decodeSystemFileBytes(std::move(file.bytes));
    FileLines lines(text);
    readLines(app, ui, lines, busy);
}

}  // namespace lorvex
