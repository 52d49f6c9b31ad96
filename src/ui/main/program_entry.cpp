#include "ui/main/program_entry.h"

#include "core/document.h"
#include "core/text8.h"
#include "platform/text_codec.h"
#include "ui/main/main_window.h"

namespace kestrune {

void OpenFromCommandLine(MainWindow& window, const QString& commandLine) {
    const std::string path(trimmed(PathBytes(commandLine)));
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
