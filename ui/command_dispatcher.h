#pragma once

#include <span>
#include <string>

#include "ui/application.h"
#include "ui/user_interface.h"

namespace lorvex {

// Runs a command by its number, to its end. While one runs, the windows keep being serviced
// (PollEvent, modal dialogs); anything that tries to start a second command meanwhile is
// dropped, and the window asks busy() before it lets a close request end the program. A
// command that runs out of memory ends with a message box; the window goes on working.
class CommandDispatcher {
public:
    CommandDispatcher(Application& app, UserInterface& ui) : app_(app), ui_(ui) {}

    // Numbers outside CMD_OPEN..CMD_INFO do nothing.
    void dispatch(Command command);
    // Files dropped onto the main window: the first is loaded just as CMD_OPEN loads the file
    // the user chose. Nothing happens without a file or while a command runs.
    void dropFiles(std::span<const std::string> localPaths);
    bool busy() const { return busy_; }

private:
    void run(Command command);

    Application& app_;
    UserInterface& ui_;
    bool busy_ = false;
};

}  // namespace lorvex
