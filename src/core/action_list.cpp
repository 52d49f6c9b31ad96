#include "core/action_list.h"

#include <algorithm>
#include <iterator>
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

void ActionList::insert(std::size_t row, std::vector<Action> actions) {
    row = std::min(row, actions_.size());
    actions_.insert(actions_.begin() + static_cast<std::ptrdiff_t>(row),
                    std::make_move_iterator(actions.begin()),
                    std::make_move_iterator(actions.end()));
}

void ActionList::removeRange(std::size_t row, std::size_t count) {
    if (row >= actions_.size()) {
        return;
    }
    count = std::min(count, actions_.size() - row);
    const auto first = actions_.begin() + static_cast<std::ptrdiff_t>(row);
    actions_.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

bool ActionList::move(std::size_t from, std::size_t to) {
    if (from >= actions_.size() || to >= actions_.size()) {
        return false;
    }
    const auto at = [this](std::size_t row) {
        return actions_.begin() + static_cast<std::ptrdiff_t>(row);
    };
    if (from < to) {
        std::rotate(at(from), at(from + 1), at(to + 1));
    } else if (to < from) {
        std::rotate(at(to), at(from), at(from + 1));
    }
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
