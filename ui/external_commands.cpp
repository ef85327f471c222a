#include "ui/external_commands.h"

#include "core/messages/messages.h"
#include "ui/program_title.h"

namespace lorvex {

bool OpenExternal(UserInterface& ui, const std::string& target) {
    if (ui.isExecutableFile(target) && ui.startProgram(target)) return true;
    return ui.openWithDesktop(target);
}

void openHelp(UserInterface& ui) {
    const std::string helpFile = ui.ProgramDirectory() + "hilfe.txt";
    if (!OpenExternal(ui, helpFile)) ui.ShowMessageBox(HELP_TITLE, helpNotShownText(helpFile));
}

void showAbout(UserInterface& ui) {
    ui.ShowMessageBox(INFO_TITLE, aboutText(ui.toolkitName()));
}

std::string aboutText(std::string_view toolkitName) {
    return std::string(PROGRAM_TITLE) +
           "\nFreie Software unter der MIT-Lizenz; Beispielsysteme aus dem La Jolla Covering "
           "Repository.\nErstellt mit C++20 und " +
           std::string(toolkitName);
}

}  // namespace lorvex
