#include "ui/external_commands.h"

#include "ui/program_title.h"

namespace lorvex {

void OpenExternal(UserInterface& ui, const std::string& target) {
    if (ui.isExecutableFile(target) && ui.startProgram(target)) return;
    ui.openWithDesktop(target);
}

void openHelp(UserInterface& ui) {
    OpenExternal(ui, ui.ProgramDirectory() + "hilfe.txt");
}

void showAbout(UserInterface& ui) {
    ui.ShowMessageBox("Info", aboutText(ui.toolkitName()));
}

std::string aboutText(std::string_view toolkitName) {
    return std::string(PROGRAM_TITLE) +
           "\nFreie Software unter der MIT-Lizenz; Beispielsysteme aus dem La Jolla Covering "
           "Repository.\nErstellt mit C++20 und " +
           std::string(toolkitName);
}

}  // namespace lorvex
