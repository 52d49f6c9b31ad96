#include "ui/main/status_help.h"

#include "core/document.h"
#include "ui/main/command_table.h"
#include "ui/main/main_texts.h"

namespace kestrune {

namespace texts = main_texts;

std::string_view KeyAtX(const std::vector<ButtonSpan>& buttons, double x) {
    std::string_view key;
    for (const auto& button : buttons) {
        if (button.left < x && x < button.left + button.width) {
            key = button.enabled ? button.key : std::string_view();
        }
    }
    return key;
}

namespace {

// "<Details>" of the selected action, or "action" when there is none to name.
std::string actionName(const ActionList& list, std::optional<std::size_t> selected) {
    if (list.empty() || !selected || *selected >= list.size()) {
        return std::string(texts::help::kNoAction);
    }
    return "<" + list[*selected].details + ">";
}

}  // namespace

std::string StatusHelp(std::string_view key, std::string_view documentPath, const ActionList& list,
                       std::optional<std::size_t> selected) {
    const auto keyOf = [](Command command) { return RowOf(command).key; };
    namespace h = texts::help;
    const auto join = [](auto... parts) {
        std::string out;
        (out.append(parts), ...);
        return out;
    };
    if (key == keyOf(Command::Open)) {
        return std::string(h::kOpen);
    }
    if (key == keyOf(Command::Save)) {
        return join(h::kSave, FileNameFromPath(documentPath));
    }
    if (key == keyOf(Command::Add)) {
        return std::string(h::kAdd);
    }
    if (key == keyOf(Command::Remove)) {
        return join(h::kRemove, actionName(list, selected));
    }
    if (key == keyOf(Command::Properties)) {
        return join(h::kProperties, actionName(list, selected));
    }
    if (key == keyOf(Command::Up)) {
        return std::string(h::kUp);
    }
    if (key == keyOf(Command::Down)) {
        return std::string(h::kDown);
    }
    if (key == keyOf(Command::ExecuteScript)) {
        return join(h::kExecute, FileNameFromPath(documentPath));
    }
    if (key == keyOf(Command::Make)) {
        return join(h::kMake, FileNameFromPath(documentPath), h::kMakeEnd);
    }
    if (key == keyOf(Command::Toolbar)) {
        return std::string(h::kToolbarBut);
    }
    return std::string(documentPath);
}

}  // namespace kestrune
