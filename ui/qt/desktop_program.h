#pragma once

namespace lorvex::qt {

// Builds the windows over a fresh application object and runs the event loop until the program
// ends; returns the exit status.
int runDesktopProgram(int argc, char* argv[]);

}  // namespace lorvex::qt
