#include <csignal>
#include <cstdio>

#include "app/display_check.h"
#include "core/messages/messages.h"
#include "ui/qt/desktop_program.h"

int main(int argc, char* argv[]) {
    // A FIFO whose reader goes away while a report is saved into it is a message, not the end
    // of the program (as Qt does itself once it starts a process).
    std::signal(SIGPIPE, SIG_IGN);
    // Without a display Qt would stop with a message about platform plugins; say what is missing.
    if (!lorvex::displayAvailable()) {
        std::fprintf(stderr, "%.*s\n", int(lorvex::NO_DISPLAY.size()), lorvex::NO_DISPLAY.data());
        return 1;
    }
    return lorvex::qt::runDesktopProgram(argc, argv);
}
