#include "core/action_list.h"

#include <algorithm>
#include <utility>

namespace kestrune {

Action& ActionList::append(std::string itemKey, std::string_view kind, std::string_view iconKey,
                           std::string details) {
    Action& action = actions_.emplace_back();
    action.itemKey = std::move(itemKey);
    action.kind = kind;
    action.iconKey = iconKey;
    action.details = std::move(details);
    return action;
}

void ActionList::removeAt(std::size_t row) {
    if (row < actions_.size()) {
        actions_.erase(actions_.begin() + static_cast<std::ptrdiff_t>(row));
    }
}

bool ActionList::moveUp(std::size_t row) {
    if (row == 0 || row >= actions_.size()) {
        return false;
    }
    std::swap(actions_[row - 1], actions_[row]);
    return true;
}

bool ActionList::moveDown(std::size_t row) {
    if (row + 1 >= actions_.size()) {
        return false;
    }
    std::swap(actions_[row], actions_[row + 1]);
    return true;
}

bool ActionList::containsKey(std::string_view itemKey) const {
    return std::any_of(actions_.begin(), actions_.end(),
                       [itemKey](const Action& a) { return a.itemKey == itemKey; });
}

std::string ActionList::uniqueKey(std::string_view itemKey) const {
    std::string candidate(itemKey);
    for (int n = 2; containsKey(candidate); ++n) {
        candidate = std::string(itemKey) + "#" + std::to_string(n);
    }
    return candidate;
}

}  // namespace kestrune
