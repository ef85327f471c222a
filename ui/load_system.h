#pragma once

#include <string>

#include "ui/application.h"
#include "ui/user_interface.h"

namespace lorvex {

// CMD_OPEN: loads the text file the user picks; cancelling changes nothing.
void openSystemFile(Application& app, UserInterface& ui);
// CMD_PASTE: loads the clipboard's text; a clipboard without text changes nothing.
void pasteSystem(Application& app, UserInterface& ui);

// CMD_OPEN after the dialog, and a dropped file. A load is all or nothing: the lines go into a
// fresh table, and only a load that accepts at
// least one row without overflow replaces the system and shows it. Otherwise the system, the
// hit table and everything on screen stay as they were, so the windows always show what an
// analysis or a report works on. The main window is disabled and the wait window shown while
// the lines are read; they are enabled and hidden again on every way out, also when the load
// throws for lack of memory (the system and the hit table then stay as they were).
void loadSystemFile(Application& app, UserInterface& ui, const std::string& path);

}  // namespace lorvex
