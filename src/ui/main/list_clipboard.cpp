#include "ui/main/list_clipboard.h"

#include <string>

#include "core/item_keys.h"
#include "files/script_format.h"
#include "platform/text_codec.h"

namespace kestrune {

std::optional<QString> ScriptTextOf(const Action& action) {
    std::string lines;
    if (!appendScriptLines(action, lines)) {
        return std::nullopt;
    }
    // The clipboard takes line feeds; Windows turns them into CR LF for other programs.
    QString text = FromCp1252(lines);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::vector<Action> ActionsFromScriptText(const QString& text, const ActionList& list) {
    ActionList read;
    ItemKeySource keys = ItemKeySource::fromClock();
    if (!parseScript(ToCp1252(text), read, keys).ok()) {
        return {};
    }
    std::vector<Action> actions(read.begin(), read.end());
    for (Action& action : actions) {
        action.itemKey = list.uniqueKey(action.itemKey);
    }
    return actions;
}

}  // namespace kestrune
