#pragma once

// Finding an action by a piece of its text: its kind or its Details hold the text, case
// ignored by the program's Windows-1252 casing; or the window shows its kind by a label in
// the user's language that holds it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_list.h"

namespace kestrune {

class ActionFinder {
  public:
    // text is Windows-1252; an empty text finds nothing. shownKinds: the kinds whose label,
    // as the window shows it, holds the text as typed; none besides when text is none (a
    // text Windows-1252 can't hold, which no kind or Details can).
    explicit ActionFinder(std::optional<std::string_view> text,
                          std::vector<std::string_view> shownKinds = {});

    bool matches(const ActionRef& action) const;
    // The first action holding the text, from row from on (or back from it), wrapping at the
    // end (or the start) of the list; each action is looked at once.
    std::optional<std::size_t> next(const ActionList& list, std::size_t from) const;
    std::optional<std::size_t> previous(const ActionList& list, std::size_t from) const;

  private:
    bool holds(std::string_view text) const;
    // From from on, round the end, forward or backward; the first entry that matches.
    std::optional<std::size_t> seek(const ActionList& list, std::size_t from, bool forward) const;
    // For the entries of one list while it is searched: their kinds are the list's own.
    bool entryMatches(const ActionRef& entry) const;
    bool kindHolds(std::string_view kind) const;

    std::string lowered_;
    std::vector<std::string_view> shownKinds_;
    // The first byte of the text as it may stand in an action: both its cases.
    char first_ = 0;
    char firstOther_ = 0;
    // Each kind label seen in the list searched, by where the list keeps it, and whether it
    // holds the text: a list has a handful of kinds, each met a great many times.
    mutable std::vector<std::pair<const char*, bool>> kinds_;
};

}  // namespace kestrune
