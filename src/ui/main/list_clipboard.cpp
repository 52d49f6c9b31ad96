#include "ui/main/list_clipboard.h"

#include <string>

#include "files/script_format.h"
#include "platform/text_codec.h"

namespace kestrune {

std::optional<QString> ScriptTextOf(const ActionRef& action) {
    std::string lines;
    if (!appendScriptLines(action, lines)) {
        return std::nullopt;
    }
    // The clipboard takes line feeds; Windows turns them into CR LF for other programs.
    QString text = FromCp1252(lines);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::vector<Action> ActionsFromScriptText(const QString& text) {
    ActionList read;
    if (!parseScript(ToCp1252(text), read).ok()) {
        return {};
    }
    // The list gives each its own key when it takes them.
    return std::vector<Action>(read.begin(), read.end());
}

}  // namespace kestrune
