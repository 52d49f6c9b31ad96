#include "ui/main/status_help.h"

#include "core/document.h"
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
    namespace k = texts::key;
    namespace h = texts::help;
    const auto join = [](auto... parts) {
        std::string out;
        (out.append(parts), ...);
        return out;
    };
    if (key == k::kOpen) {
        return std::string(h::kOpen);
    }
    if (key == k::kSave) {
        return join(h::kSave, FileNameFromPath(documentPath));
    }
    if (key == k::kAdd) {
        return std::string(h::kAdd);
    }
    if (key == k::kRemove) {
        return join(h::kRemove, actionName(list, selected));
    }
    if (key == k::kProperties) {
        return join(h::kProperties, actionName(list, selected));
    }
    if (key == k::kUp) {
        return std::string(h::kUp);
    }
    if (key == k::kDown) {
        return std::string(h::kDown);
    }
    if (key == k::kExecute) {
        return join(h::kExecute, FileNameFromPath(documentPath));
    }
    if (key == k::kMake) {
        return join(h::kMake, FileNameFromPath(documentPath), h::kMakeEnd);
    }
    if (key == k::kToolbarBut) {
        return std::string(h::kToolbarBut);
    }
    return std::string(documentPath);
}

}  // namespace kestrune
