#include "ui/main/program_entry.h"

#include "core/cp1252_text.h"
#include "ui/main/main_window.h"

namespace kestrune {

void OpenFromCommandLine(MainWindow& window, const std::string& commandLine) {
    const std::string path(trimmed(commandLine));
    if (path.empty()) {
        return;
    }
    window.openDocument(path);
}

}  // namespace kestrune
