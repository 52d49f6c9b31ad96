#pragma once

// The document: one ordered list of actions. Position 0 is the first step of the script.
// The window shows this very list through a thin model; nothing keeps a second copy.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/action.h"

namespace kestrune {

class ActionList {
  public:
    std::size_t size() const { return actions_.size(); }
    bool empty() const { return actions_.empty(); }
    const Action& at(std::size_t row) const { return actions_.at(row); }
    Action& at(std::size_t row) { return actions_.at(row); }
    const Action& operator[](std::size_t row) const { return actions_[row]; }

    auto begin() const { return actions_.begin(); }
    auto end() const { return actions_.end(); }

    // Creates an entry at the end: key, kind and icon first, then its Details.
    Action& append(std::string itemKey, std::string_view kind, std::string_view iconKey,
                   std::string details);
    void append(Action action) { actions_.push_back(std::move(action)); }

    void clear() { actions_.clear(); }
    void reserve(std::size_t n) { actions_.reserve(n); }
    void removeAt(std::size_t row);
    // Swaps the entry with its neighbour; false when there is none.
    bool moveUp(std::size_t row);
    bool moveDown(std::size_t row);
    // Inserts the actions before row (at the end when row is the size).
    void insert(std::size_t row, std::vector<Action> actions);
    // Removes count entries from row on.
    void removeRange(std::size_t row, std::size_t count);
    // Takes the entry at from out and puts it where it then is at position to.
    bool move(std::size_t from, std::size_t to);

    bool containsKey(std::string_view itemKey) const;
    // itemKey itself when no entry has it yet, else itemKey with the first free "#n" suffix.
    std::string uniqueKey(std::string_view itemKey) const;

    bool operator==(const ActionList&) const = default;

  private:
    std::vector<Action> actions_;
};

}  // namespace kestrune
