#include "ui/main/status_help.h"

#include "core/cp1252_text.h"
#include "core/document.h"
#include "ui/main/main_texts.h"

namespace kestrune {

namespace texts = main_texts;

std::optional<Command> CommandAtX(const std::vector<ButtonSpan>& buttons, double x) {
    std::optional<Command> command;
    for (const auto& button : buttons) {
        if (button.left < x && x < button.left + button.width) {
            command = button.enabled ? button.command : std::nullopt;
        }
    }
    return command;
}

namespace {

// "<Details>" of the selected action, or "action" when there is none to name.
std::string actionName(const ActionList& list, std::optional<std::size_t> selected) {
    if (list.empty() || !selected || *selected >= list.size()) {
        return std::string(texts::help::kNoAction);
    }
    return joined({"<", list[*selected].details, ">"});
}

}  // namespace

std::string StatusHelp(std::optional<Command> command, std::string_view documentPath,
                       const ActionList& list, std::optional<std::size_t> selected) {
    if (!command || RowOf(*command).help.empty()) {
        return std::string(documentPath);
    }
    const CommandRow& row = RowOf(*command);
    std::string help(row.help);
    switch (row.helpNames) {
        case HelpNames::DocumentFile:
            help += FileNameFromPath(documentPath);
            break;
        case HelpNames::SelectedAction:
            help += actionName(list, selected);
            break;
        case HelpNames::Nothing:
            break;
    }
    help += row.helpEnd;
    return help;
}

}  // namespace kestrune
