#include "ui/load_system.h"

#include <utility>
#include <vector>

#include "core/messages/messages.h"
#include "core/system/file_bytes.h"
#include "core/system/system_loader.h"
#include "ui/list_rows.h"
#include "ui/path_text.h"

namespace lorvex {

namespace {

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

void cannotOpen(UserInterface& ui, const std::string& path, std::string_view reason) {
    ui.ShowMessageBox(OPEN_TITLE,
                      std::string(CANNOT_OPEN) + "\n" + path + "\n" + std::string(reason));
}

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
    ui.setStatusText(StatusField::Rows, systemRowsText(system.rowCount()));
    ui.setStatusText(StatusField::Numbers, systemNumbersText(system.highestNumber()));
    ui.removeAllRows(ListId::SystemList);
    app.hits.clear();
    ui.removeAllRows(ListId::HitList);
    ui.appendRows(ListId::SystemList, rows);
}

// Reads the system with `read` into a fresh table and shows it when that succeeds; otherwise
// everything stays as it was, and a message says why. `path` is empty for the clipboard.
template <class Read>
void load(Application& app, UserInterface& ui, const std::string& path, Read read) {
    BusyState busy(ui);
    SystemTable fresh;
    const SystemLoad result = read(fresh, [&ui] { ui.PollEvent(); });
    if (result.outcome == LoadOutcome::Loaded) {
        publishSystem(app, ui, std::move(fresh));
        app.systemFile = path;
    }
    busy.end();
    switch (result.outcome) {
        case LoadOutcome::Loaded:
            return;
        case LoadOutcome::Overflow:
            return ui.ShowMessageBox(OVERFLOW_TITLE, overflowText());
        case LoadOutcome::NoRow:
            return ui.ShowMessageBox(OPEN_TITLE,
                                     noRowText(path.empty() ? CLIPBOARD : std::string_view(path)));
        case LoadOutcome::Unreadable:
            return cannotOpen(ui, path, openFailureReason(result.error));
    }
}

}  // namespace

void openSystemFile(Application& app, UserInterface& ui) {
    const std::string path = ui.openFileDialog(OPEN_DIALOG_TITLE, kSystemFileFilter,
                                               directoryPart(ui.ProgramDirectory()));
    if (path.empty()) return;
    // Reading a FIFO or a device could wait for ever, with the window frozen.
    if (isSpecialFile(path)) return cannotOpen(ui, path, NOT_A_REGULAR_FILE);
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
