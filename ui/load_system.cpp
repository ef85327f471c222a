#include "ui/load_system.h"

#include <utility>
#include <vector>

#include "core/conversions.h"
#include "core/messages.h"
#include "core/system_loader.h"
#include "ui/list_rows.h"
#include "ui/path_text.h"
#include "ui/show_message.h"

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

// Reads the system with `read` into a fresh table and shows it when that succeeds; otherwise
// everything stays as it was, and only overflow and an unreadable file are told.
template <class Read>
void load(Application& app, UserInterface& ui, const std::string& path, Read read) {
    BusyState busy(ui);
    SystemTable fresh;
    const SystemLoad result = read(fresh, [&ui] { ui.PollEvent(); });
    if (result.outcome == LoadOutcome::Loaded) publishSystem(app, ui, std::move(fresh));
    busy.end();
    if (result.outcome == LoadOutcome::Overflow) showMessage(ui, OVERFLOW_TITLE, overflowText());
    if (result.outcome == LoadOutcome::Unreadable) {
        showMessage(
            ui, OPEN_TITLE,
            std::string(CANNOT_OPEN) + "\n" + path + "\n" + openFailureReason(result.error));
    }
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
    load(app, ui, {}, [&text](SystemTable& table, const PerLine& perLine) {
        return readSystemText(text, table, perLine);
    });
}

void loadSystemFile(Application& app, UserInterface& ui, const std::string& path) {
    load(app, ui, path, [&path](SystemTable& table, const PerLine& perLine) {
        return readSystemFile(path, table, perLine);
    });
}

}  // namespace lorvex
