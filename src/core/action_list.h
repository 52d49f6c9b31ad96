#pragma once

// The document: one ordered list of actions. Position 0 is the first step of the script.
// The window shows this very list through a thin model; nothing keeps a second copy.
//
// A big file holds a great many actions, so an entry is small: the Details of all entries
// share one text, each entry holding where its own stands, and the kind and picture are a
// byte each. Conditions are few and repeat: each distinct text is kept once, and an entry
// names it by a 16-bit number in what would otherwise be padding. Reading an entry gives a
// view into those texts (ActionRef); changing it goes through the list's operations, each
// taking Action values.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/action.h"

namespace kestrune {

class ActionList {
  public:
    // The most Details text one list holds: an entry says where its text is in 32 bits.
    static constexpr std::size_t kMaxText = std::numeric_limits<std::uint32_t>::max();

    ActionList() = default;
    // A list holding at most textLimit bytes of Details, for showing the limit cheaply.
    explicit ActionList(std::size_t textLimit) : textLimit_(textLimit) {}

    class Iterator {
      public:
        using iterator_category = std::input_iterator_tag;
        using value_type = ActionRef;
        using difference_type = std::ptrdiff_t;
        using reference = ActionRef;
        using pointer = void;

        Iterator() = default;
        Iterator(const ActionList* list, std::size_t row) : list_(list), row_(row) {}
        ActionRef operator*() const { return (*list_)[row_]; }
        Iterator& operator++() {
            ++row_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator was = *this;
            ++row_;
            return was;
        }
        bool operator==(const Iterator& other) const { return row_ == other.row_; }

      private:
        const ActionList* list_ = nullptr;
        std::size_t row_ = 0;
    };

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    ActionRef operator[](std::size_t row) const {
        const Entry& e = entries_[row];
        return {kindText(e.kind), std::string_view(text_.data() + e.offset, e.length),
                iconText(e.icon), e.key, conditions_[e.condition]};
    }
    // Throws std::out_of_range past the end.
    ActionRef at(std::size_t row) const;
    ItemKey keyAt(std::size_t row) const { return entries_.at(row).key; }

    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, entries_.size()}; }

    // Creates an entry at the end, with a key of its own.
    void append(std::string_view kind, std::string_view iconKey, std::string_view details,
                std::string_view condition = {});
    void append(const Action& action) {
        append(action.kind, action.iconKey, action.details, action.condition);
    }
    // Creates an entry at the end whose Details write() adds to the end of the string it is
    // given, so that a reader builds each text in place.
    template <typename Write>
    void appendWritten(ActionKind kind, ActionIcon icon, Write&& write,
                       std::string_view condition = {}) {
        const std::uint16_t conditionByte = conditionCode(condition);
        const std::size_t start = text_.size();
        try {
            write(text_);
        } catch (...) {
            text_.resize(start);
            throw;
        }
        commitAppend(start, static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(icon),
                     conditionByte);
    }

    void clear();
    // Room for this many entries and bytes of Details; only a hint, never a failure.
    void reserve(std::size_t actions, std::size_t detailsBytes = 0);
    void removeAt(std::size_t row);
    // Swaps the entry with its neighbour; false when there is none.
    bool moveUp(std::size_t row);
    bool moveDown(std::size_t row);
    // Inserts the actions before row (at the end when row is the size).
    void insert(std::size_t row, const std::vector<Action>& actions);
    // Removes count entries from row on.
    void removeRange(std::size_t row, std::size_t count);
    // Takes the entry at from out and puts it where it then is at position to.
    bool move(std::size_t from, std::size_t to);
    // Puts action in the place of the entry at row; the entry keeps its key.
    void replace(std::size_t row, const Action& action);

    // Bytes of Details held, counting those of replaced and removed entries not yet given
    // back.
    std::size_t textBytes() const { return text_.size(); }
    // Whether any entry has a condition.
    bool anyConditioned() const { return conditioned_ > 0; }

    // Equal when they show the same actions in the same order.
    bool operator==(const ActionList& other) const;

  private:
    struct Entry {
        std::uint32_t offset;
        std::uint32_t length;
        ItemKey key;
        std::uint8_t kind;
        std::uint8_t icon;
        std::uint16_t condition;  // 0: none
    };
    static_assert(sizeof(Entry) == 16);

    std::string_view kindText(std::uint8_t code) const {
        return code < kKindLabels.size() ? kKindLabels[code]
                                         : std::string_view(otherKinds_[code - kKindLabels.size()]);
    }
    std::string_view iconText(std::uint8_t code) const {
        return code < kIconKeys.size() ? kIconKeys[code]
                                       : std::string_view(otherIcons_[code - kIconKeys.size()]);
    }
    std::uint8_t kindCode(std::string_view kind);
    std::uint8_t iconCode(std::string_view iconKey);
    // The number of a condition text, kept from now on if it is new; 0 for none. With
    // mayDrop, a full table first forgets the texts no entry names. Inline for the many
    // actions without one.
    std::uint16_t conditionCode(std::string_view condition, bool mayDrop = true) {
        return condition.empty() ? 0 : textConditionCode(condition, mayDrop);
    }
    std::uint16_t textConditionCode(std::string_view condition, bool mayDrop);
    // Forgets the condition texts no entry names any more.
    void dropUnusedConditions();
    // Adds text at the end of the Details; where it starts.
    std::uint32_t addText(std::string_view text);
    // Inline: the readers append every entry of a file through here.
    void commitAppend(std::size_t start, std::uint8_t kind, std::uint8_t icon,
                      std::uint16_t condition) {
        if (text_.size() > textLimit_) {
            start = moveAppendedText(start);
        }
        entries_.push_back({static_cast<std::uint32_t>(start),
                            static_cast<std::uint32_t>(text_.size() - start), nextKey(), kind, icon,
                            condition});
        conditioned_ += condition != 0 ? 1 : 0;
    }
    // Text written past the limit moves into room made by compacting, or is refused; where
    // it then starts.
    std::size_t moveAppendedText(std::size_t start);
    Entry makeEntry(const Action& action);
    ItemKey nextKey() {
        return nextKey_ != std::numeric_limits<ItemKey>::max() ? nextKey_++ : renumberKeys();
    }
    // Billions of entries made in one run: the live ones numbered afresh; the next key.
    ItemKey renumberKeys();
    void dropText(std::size_t bytes);
    // Writes the live Details afresh, in row order, once replaced and removed text
    // outweighs them.
    void compact();

    std::vector<Entry> entries_;
    std::string text_;
    std::size_t deadText_ = 0;
    std::size_t textLimit_ = kMaxText;
    ItemKey nextKey_ = 0;
    // Kind labels and icon keys beyond the known ones, each kept once: a byte names them
    // after the known ones.
    std::vector<std::string> otherKinds_;
    std::vector<std::string> otherIcons_;
    // The distinct condition texts, the empty one first; and their numbers by text.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::vector<std::string> conditions_{std::string()};
    std::unordered_map<std::string, std::uint16_t, TextHash, std::equal_to<>> conditionCodes_;
    std::uint16_t lastCondition_ = 0;  // the number last asked for
    std::size_t conditioned_ = 0;      // entries with a condition
};

}  // namespace kestrune
