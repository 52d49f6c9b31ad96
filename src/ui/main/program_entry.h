#pragma once

// What the program does with its command line once the main window is shown.

#include <string>

namespace kestrune {

class MainWindow;

// The path (the system's bytes), trimmed of blanks and otherwise taken whole, opens as a
// template when it ends in ".lst" (any case), else as a batch script. An empty path opens
// nothing. The file is read from the event loop once the window is shown and painted.
void OpenFromCommandLine(MainWindow& window, const std::string& commandLine);

}  // namespace kestrune
