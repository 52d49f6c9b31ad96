#include "ui/main/program_entry.h"

#include "core/document.h"
#include "core/text8.h"
#include "ui/main/main_window.h"

namespace kestrune {

void OpenFromCommandLine(MainWindow& window, const std::string& commandLine) {
    const std::string path(trimmed(commandLine));
    if (path.empty()) {
        return;
    }
    if (IsTemplatePath(path)) {
        window.OpenTemplate(path);
    } else {
        window.OpenScript(path);
    }
}

}  // namespace kestrune
