#include "core/action_find.h"

#include <algorithm>
#include <cstring>

#include "core/cp1252_text.h"

namespace kestrune {

ActionFinder::ActionFinder(std::optional<std::string_view> text,
                           std::vector<std::string_view> shownKinds)
    : lowered_(text ? lowerCased(*text) : std::string()), shownKinds_(std::move(shownKinds)) {
    if (!lowered_.empty()) {
        first_ = lowered_[0];
        firstOther_ = upperByte(first_);
    }
}

bool ActionFinder::holds(std::string_view text) const {
    const std::size_t size = lowered_.size();
    if (size == 0 || text.size() < size) {
        return false;
    }
    // Candidates are found by the first byte in either case, which the C library finds many
    // bytes at a time; only there is the rest compared.
    const char* const begin = text.data();
    const char* const last = begin + (text.size() - size) + 1;  // past the last start
    const auto rest = [&](const char* at) {
        for (std::size_t i = 1; i < size; ++i) {
            if (lowerByte(at[i]) != lowered_[i]) {
                return false;
            }
        }
        return true;
    };
    const auto find = [last](const char* from, char byte) {
        const void* found = std::memchr(from, byte, static_cast<std::size_t>(last - from));
        return found != nullptr ? static_cast<const char*>(found) : last;
    };
    const char* one = find(begin, first_);
    const char* other = firstOther_ != first_ ? find(begin, firstOther_) : last;
    while (one != last || other != last) {
        const char* at = one < other ? one : other;
        if (rest(at)) {
            return true;
        }
        if (at == one) {
            one = at + 1 < last ? find(at + 1, first_) : last;
        } else {
            other = at + 1 < last ? find(at + 1, firstOther_) : last;
        }
    }
    return false;
}

bool ActionFinder::kindHolds(std::string_view kind) const {
    for (const auto& [where, held] : kinds_) {
        if (where == kind.data()) {
            return held;
        }
    }
    const bool held =
        holds(kind) || std::find(shownKinds_.begin(), shownKinds_.end(), kind) != shownKinds_.end();
    kinds_.emplace_back(kind.data(), held);
    return held;
}

bool ActionFinder::matches(const ActionRef& action) const {
    return holds(action.kind) || holds(action.details) ||
           std::find(shownKinds_.begin(), shownKinds_.end(), action.kind) != shownKinds_.end();
}

bool ActionFinder::entryMatches(const ActionRef& entry) const {
    return kindHolds(entry.kind) || holds(entry.details);
}

std::optional<std::size_t> ActionFinder::next(const ActionList& list, std::size_t from) const {
    return seek(list, from, true);
}

std::optional<std::size_t> ActionFinder::previous(const ActionList& list, std::size_t from) const {
    return seek(list, from, false);
}

std::optional<std::size_t> ActionFinder::seek(const ActionList& list, std::size_t from,
                                              bool forward) const {
    kinds_.clear();
    const std::size_t count = list.size();
    if ((lowered_.empty() && shownKinds_.empty()) || count == 0) {
        return std::nullopt;
    }
    from %= count;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t row = forward ? (from + i < count ? from + i : from + i - count)
                                        : (i <= from ? from - i : from + count - i);
        if (entryMatches(list[row])) {
            return row;
        }
    }
    return std::nullopt;
}

}  // namespace kestrune
