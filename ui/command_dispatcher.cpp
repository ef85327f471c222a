#include "ui/command_dispatcher.h"

#include <new>
#include <stdexcept>

#include "core/messages/messages.h"
#include "ui/analysis_commands.h"
#include "ui/external_commands.h"
#include "ui/link_addresses.h"
#include "ui/load_system.h"
#include "ui/save_report.h"

namespace lorvex {

namespace {

class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

private:
    bool& flag_;
};

// A web page that does not open is the browser's to tell about, where there is one.
void openLink(UserInterface& ui, std::string_view address) {
    OpenExternal(ui, std::string(address));
}

void analyse(Application& app, UserInterface& ui, int blockSize) {
    const int blockSizes[] = {blockSize};
    analyseBlocks(app, ui, blockSizes);
}

// Every command that runs out of memory leaves the system, the hit table and the windows as
// they were (the commands see to that), so the user is only told.
template <typename Command>
void runTellingOfMemory(UserInterface& ui, Command command) {
    try {
        command();
        return;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    ui.ShowMessageBox(MEMORY_TITLE, std::string(OUT_OF_MEMORY) + "\n" +
                                        std::string(CLOSE_OTHER_PROGRAMS) + "\n" +
                                        std::string(NOTHING_CHANGED));
}

}  // namespace

void CommandDispatcher::dispatch(Command command) {
    if (busy_) return;
    const BusyFlag running(busy_);
    runTellingOfMemory(ui_, [this, command] { run(command); });
}

void CommandDispatcher::dropFiles(std::span<const std::string> localPaths) {
    if (busy_ || localPaths.empty()) return;
    const BusyFlag running(busy_);
    runTellingOfMemory(ui_, [this, &localPaths] { loadSystemFile(app_, ui_, localPaths.front()); });
}

void CommandDispatcher::run(Command command) {
    using enum Command;
    switch (command) {
        case CMD_OPEN:
            return openSystemFile(app_, ui_);
        case CMD_PASTE:
            return pasteSystem(app_, ui_);
        case CMD_SAVE_TXT:
            return saveTextReport(app_, ui_);
        case CMD_SAVE_HTML:
            return saveHtmlReport(app_, ui_);
        case CMD_EXIT:
            return ui_.exitProgram();
        case CMD_ANALYSE_ALL:
            return analyseBlocks(app_, ui_, ALL_BLOCK_SIZES);
        case CMD_ANALYSE_6:
            return analyse(app_, ui_, 6);
        case CMD_ANALYSE_5:
            return analyse(app_, ui_, 5);
        case CMD_ANALYSE_4:
            return analyse(app_, ui_, 4);
        case CMD_ANALYSE_3:
            return analyse(app_, ui_, 3);
        case CMD_LINK_1:
            return openLink(ui_, LINK_1_ADDRESS);
        case CMD_LINK_2:
            return openLink(ui_, LINK_2_ADDRESS);
        case CMD_LINK_3:
            return openLink(ui_, LINK_3_ADDRESS);
        case CMD_HELP:
            return openHelp(ui_);
        case CMD_HOMEPAGE:
            return openLink(ui_, HOMEPAGE_ADDRESS);
        case CMD_INFO:
            return showAbout(ui_);
    }
}

}  // namespace lorvex
