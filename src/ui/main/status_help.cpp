#include "ui/main/status_help.h"

#include "core/document.h"
#include "platform/text_codec.h"
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
QString actionName(const ActionList& list, std::optional<std::size_t> selected) {
    if (list.empty() || !selected || *selected >= list.size()) {
        return texts::Tr(texts::help::kNoAction);
    }
    return QLatin1Char('<') + FromCp1252(list[*selected].details) + QLatin1Char('>');
}

}  // namespace

QString StatusHelp(std::optional<Command> command, std::string_view documentPath,
                   const ActionList& list, std::optional<std::size_t> selected) {
    if (!command || RowOf(*command).help.empty()) {
        return texts::ShownDocumentPath(documentPath);
    }
    const CommandRow& row = RowOf(*command);
    const QString help = CommandText(row.help);
    switch (row.helpNames) {
        case HelpNames::DocumentFile:
            return help.arg(texts::ShownDocumentPath(FileNameFromPath(documentPath)));
        case HelpNames::SelectedAction:
            return help.arg(actionName(list, selected));
        case HelpNames::Nothing:
            break;
    }
    return help;
}

}  // namespace kestrune
