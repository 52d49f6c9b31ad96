#pragma once

// What the program does with its command line once the main window is shown.

#include <QString>

namespace kestrune {

class MainWindow;

// The text, trimmed of blanks and otherwise taken whole, opens as a template when it ends
// in ".lst" (any case), else as a batch script. An empty text opens nothing.
void OpenFromCommandLine(MainWindow& window, const QString& commandLine);

}  // namespace kestrune
