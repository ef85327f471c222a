#pragma once

#include <string>
#include <string_view>

#include "ui/user_interface.h"

namespace lorvex {

// Starts `target` as a program when it names an existing executable file, and hands it to the
// desktop otherwise (a web address, the help file). Never through a shell; never waits. False
// when neither worked.
bool OpenExternal(UserInterface& ui, const std::string& target);

// CMD_HELP: "hilfe.txt" beside the program, whether or not it is there; where no program
// can show it, a message says where it lies.
void openHelp(UserInterface& ui);

// CMD_INFO.
void showAbout(UserInterface& ui);
std::string aboutText(std::string_view toolkitName);

}  // namespace lorvex
