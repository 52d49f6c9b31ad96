#include "core/action_list.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

namespace kestrune {

namespace {

template <std::size_t N>
std::uint8_t codeOfText(std::string_view text, const std::array<std::string_view, N>& known,
                        std::vector<std::string>& others) {
    for (std::size_t i = 0; i < N; ++i) {
        if (known[i] == text) {
            return static_cast<std::uint8_t>(i);
        }
    }
    const auto found = std::find(others.begin(), others.end(), text);
    const auto index = static_cast<std::size_t>(found - others.begin()) + N;
    if (index > 0xFF) {
        throw std::length_error("too many different kinds or pictures in one list");
    }
    if (found == others.end()) {
        others.emplace_back(text);
    }
    return static_cast<std::uint8_t>(index);
}

}  // namespace

std::uint8_t ActionList::kindCode(std::string_view kind) {
    return codeOfText(kind, kKindLabels, otherKinds_);
}

std::uint8_t ActionList::iconCode(std::string_view iconKey) {
    return codeOfText(iconKey, kIconKeys, otherIcons_);
}

namespace {

constexpr std::size_t kMostConditions = std::numeric_limits<std::uint16_t>::max() + 1U;

}  // namespace

std::uint16_t ActionList::textConditionCode(std::string_view condition, bool mayDrop) {
    // Actions under one condition tend to come together.
    if (lastCondition_ < conditions_.size() && conditions_[lastCondition_] == condition) {
        return lastCondition_;
    }
    if (const auto found = conditionCodes_.find(condition); found != conditionCodes_.end()) {
        lastCondition_ = found->second;
        return found->second;
    }
    if (conditions_.size() == kMostConditions && mayDrop) {
        dropUnusedConditions();
    }
    // As many different conditions as a number names: the list can take no more, as when
    // its text is full.
    if (conditions_.size() == kMostConditions) {
        throw std::bad_alloc();
    }
    const auto code = static_cast<std::uint16_t>(conditions_.size());
    conditions_.emplace_back(condition);
    try {
        conditionCodes_.emplace(conditions_.back(), code);
    } catch (...) {
        conditions_.pop_back();
        throw;
    }
    lastCondition_ = code;
    return code;
}

void ActionList::dropUnusedConditions() {
    // Worked out aside and then put in place, so that running out of memory changes nothing.
    std::vector<std::uint16_t> renumbered(conditions_.size(), 0);
    std::vector<std::string> kept{std::string()};
    for (const Entry& e : entries_) {
        if (e.condition != 0 && renumbered[e.condition] == 0) {
            renumbered[e.condition] = static_cast<std::uint16_t>(kept.size());
            kept.push_back(conditions_[e.condition]);
        }
    }
    decltype(conditionCodes_) codes;
    for (std::size_t code = 1; code < kept.size(); ++code) {
        codes.emplace(kept[code], static_cast<std::uint16_t>(code));
    }
    for (Entry& e : entries_) {
        e.condition = renumbered[e.condition];
    }
    conditions_ = std::move(kept);
    conditionCodes_ = std::move(codes);
}

ActionRef ActionList::at(std::size_t row) const {
    if (row >= entries_.size()) {
        throw std::out_of_range("ActionList::at");
    }
    return (*this)[row];
}

ItemKey ActionList::renumberKeys() {
    ItemKey key = 0;
    for (Entry& e : entries_) {
        e.key = key++;
    }
    nextKey_ = key;
    return nextKey_++;
}

std::uint32_t ActionList::addText(std::string_view text) {
    if (text_.size() + text.size() > textLimit_ && deadText_ > 0) {
        if (text.data() >= text_.data() && text.data() < text_.data() + text_.size()) {
            const std::string copy(text);
            compact();
            return addText(copy);
        }
        compact();
    }
    if (text_.size() + text.size() > textLimit_) {
        throw std::bad_alloc();
    }
    const auto start = static_cast<std::uint32_t>(text_.size());
    if (text.data() >= text_.data() && text.data() < text_.data() + text_.size()) {
        // A text of this very list: append() may move the buffer under it.
        const auto from = static_cast<std::size_t>(text.data() - text_.data());
        text_.append(text_, from, text.size());
    } else {
        text_.append(text);
    }
    return start;
}

std::size_t ActionList::moveAppendedText(std::size_t start) {
    const std::string written = text_.substr(start);
    text_.resize(start);
    return addText(written);
}

ActionList::Entry ActionList::makeEntry(const Action& action) {
    const std::uint8_t kind = kindCode(action.kind);
    const std::uint8_t icon = iconCode(action.iconKey);
    // Entries made but not yet in the list would miss a renumbering: insert() makes room.
    const std::uint16_t condition = conditionCode(action.condition, false);
    const std::uint32_t offset = addText(action.details);
    return {offset, static_cast<std::uint32_t>(action.details.size()), 0, kind, icon, condition};
}

void ActionList::append(std::string_view kind, std::string_view iconKey, std::string_view details,
                        std::string_view condition) {
    const std::uint8_t kindByte = kindCode(kind);
    const std::uint8_t iconByte = iconCode(iconKey);
    const std::uint16_t conditionNumber = conditionCode(condition);
    const std::uint32_t offset = addText(details);
    entries_.push_back({offset, static_cast<std::uint32_t>(details.size()), nextKey(), kindByte,
                        iconByte, conditionNumber});
    conditioned_ += conditionNumber != 0 ? 1 : 0;
}

void ActionList::clear() {
    entries_.clear();
    text_.clear();
    deadText_ = 0;
    conditions_.resize(1);
    conditionCodes_.clear();
    conditioned_ = 0;
}

void ActionList::reserve(std::size_t actions, std::size_t detailsBytes) {
    try {
        entries_.reserve(actions);
        text_.reserve(std::min(detailsBytes, textLimit_));
    } catch (const std::bad_alloc&) {
        // The list grows as it needs to instead.
    } catch (const std::length_error&) {
    }
}

void ActionList::dropText(std::size_t bytes) {
    deadText_ += bytes;
    if (deadText_ > text_.size() - deadText_) {
        compact();
    }
}

void ActionList::compact() {
    std::string live;
    live.reserve(text_.size() - deadText_);
    for (Entry& e : entries_) {
        const auto offset = static_cast<std::uint32_t>(live.size());
        live.append(text_, e.offset, e.length);
        e.offset = offset;
    }
    text_ = std::move(live);
    deadText_ = 0;
}

void ActionList::removeAt(std::size_t row) {
    removeRange(row, 1);
}

bool ActionList::moveUp(std::size_t row) {
    if (row == 0 || row >= entries_.size()) {
        return false;
    }
    std::swap(entries_[row - 1], entries_[row]);
    return true;
}

bool ActionList::moveDown(std::size_t row) {
    if (row + 1 >= entries_.size()) {
        return false;
    }
    std::swap(entries_[row], entries_[row + 1]);
    return true;
}

void ActionList::insert(std::size_t row, const std::vector<Action>& actions) {
    row = std::min(row, entries_.size());
    std::size_t total = 0;
    for (const Action& action : actions) {
        total += action.details.size();
    }
    // Make room first, so that no compaction moves the text of entries not yet inserted.
    if (text_.size() + total > textLimit_ && deadText_ > 0) {
        compact();
    }
    if (text_.size() + total > textLimit_) {
        throw std::bad_alloc();
    }
    std::size_t unknownConditions = 0;  // at most; a text may come twice
    for (const Action& action : actions) {
        unknownConditions +=
            !action.condition.empty() && !conditionCodes_.contains(action.condition) ? 1 : 0;
    }
    if (conditions_.size() + unknownConditions > kMostConditions) {
        dropUnusedConditions();
    }
    const std::size_t start = text_.size();
    std::vector<Entry> added;
    try {
        added.reserve(actions.size());
        for (const Action& action : actions) {
            added.push_back(makeEntry(action));
        }
    } catch (...) {
        text_.resize(start);
        throw;
    }
    for (Entry& e : added) {
        e.key = nextKey();
    }
    const auto conditioned =
        std::count_if(added.begin(), added.end(), [](const Entry& e) { return e.condition != 0; });
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(row), added.begin(),
                    added.end());
    conditioned_ += static_cast<std::size_t>(conditioned);
}

void ActionList::removeRange(std::size_t row, std::size_t count) {
    if (row >= entries_.size()) {
        return;
    }
    count = std::min(count, entries_.size() - row);
    const auto first = entries_.begin() + static_cast<std::ptrdiff_t>(row);
    const auto last = first + static_cast<std::ptrdiff_t>(count);
    std::size_t dropped = 0;
    for (auto it = first; it != last; ++it) {
        dropped += it->length;
        conditioned_ -= it->condition != 0 ? 1 : 0;
    }
    entries_.erase(first, last);
    if (entries_.empty()) {
        clear();
    } else {
        dropText(dropped);
    }
}

bool ActionList::move(std::size_t from, std::size_t to) {
    if (from >= entries_.size() || to >= entries_.size()) {
        return false;
    }
    const auto at = [this](std::size_t row) {
        return entries_.begin() + static_cast<std::ptrdiff_t>(row);
    };
    if (from < to) {
        std::rotate(at(from), at(from + 1), at(to + 1));
    } else if (to < from) {
        std::rotate(at(to), at(from), at(from + 1));
    }
    return true;
}

void ActionList::replace(std::size_t row, const Action& action) {
    if (row >= entries_.size()) {
        throw std::out_of_range("ActionList::replace");
    }
    const std::uint8_t kind = kindCode(action.kind);
    const std::uint8_t icon = iconCode(action.iconKey);
    const std::uint16_t condition = conditionCode(action.condition);
    Entry& e = entries_[row];
    const std::size_t oldLength = e.length;
    if (action.details.size() <= oldLength) {
        // Fits where the old text was.
        text_.replace(e.offset, action.details.size(), action.details);
        e.length = static_cast<std::uint32_t>(action.details.size());
    } else {
        const std::uint32_t offset = addText(action.details);
        // addText may have compacted the text, moving this entry's.
        Entry& moved = entries_[row];
        moved.offset = offset;
        moved.length = static_cast<std::uint32_t>(action.details.size());
    }
    entries_[row].kind = kind;
    entries_[row].icon = icon;
    conditioned_ -= entries_[row].condition != 0 ? 1 : 0;
    conditioned_ += condition != 0 ? 1 : 0;
    entries_[row].condition = condition;
    // The old text is dead, or the part of it the new one left over.
    dropText(action.details.size() <= oldLength ? oldLength - action.details.size() : oldLength);
}

bool ActionList::operator==(const ActionList& other) const {
    if (size() != other.size()) {
        return false;
    }
    for (std::size_t row = 0; row < size(); ++row) {
        if (!((*this)[row] == other[row])) {
            return false;
        }
    }
    return true;
}

}  // namespace kestrune
