#pragma once

// One step of a logon script. An action is two texts, its kind label and its Details;
// every parameter (share, drive, port, path, command) lives inside Details and is taken
// back out of it with the rules in details.h. Its condition (condition.h) says for whom or
// where it runs; empty, it always runs.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

namespace kind {
inline constexpr std::string_view kMapDrive = "Map Drive";
inline constexpr std::string_view kMapPrinter = "Map Printer";
inline constexpr std::string_view kRunApplication = "Run Application";
inline constexpr std::string_view kMergeRegistry = "Merge Registry";
inline constexpr std::string_view kDisplayMessage = "Display Message";
inline constexpr std::string_view kOther = "Other";
}  // namespace kind

namespace icon {
inline constexpr std::string_view kDrive = "imgDrive";
inline constexpr std::string_view kHome = "imgHome";
inline constexpr std::string_view kPrint = "imgPrint";
inline constexpr std::string_view kApp = "imgApp";
inline constexpr std::string_view kReg = "imgReg";
inline constexpr std::string_view kMotd = "imgMotd";
inline constexpr std::string_view kOther = "imgOther";
}  // namespace icon

// The kinds and pictures as the list keeps them, one byte each; the enumerators stand for
// the labels above, in their order.
enum class ActionKind : std::uint8_t {
    MapDrive,
    MapPrinter,
    RunApplication,
    MergeRegistry,
    DisplayMessage,
    Other
};
enum class ActionIcon : std::uint8_t { Drive, Home, Print, App, Reg, Motd, Other };

inline constexpr std::array<std::string_view, 6> kKindLabels = {
    kind::kMapDrive,      kind::kMapPrinter,     kind::kRunApplication,
    kind::kMergeRegistry, kind::kDisplayMessage, kind::kOther};
inline constexpr std::array<std::string_view, 7> kIconKeys = {
    icon::kDrive, icon::kHome, icon::kPrint, icon::kApp, icon::kReg, icon::kMotd, icon::kOther};

constexpr std::string_view labelOf(ActionKind kind) {
    return kKindLabels[static_cast<std::size_t>(kind)];
}
constexpr std::string_view keyOf(ActionIcon icon) {
    return kIconKeys[static_cast<std::size_t>(icon)];
}

// The entry's key inside its list: never shown nor written to a file. The list gives each
// entry its own; a move keeps it.
using ItemKey = std::uint32_t;

// An action as a value of its own: what the editor builds, undo keeps and the clipboard
// carries.
struct Action {
    std::string kind;         // shown in the "Action" column; compared exactly
    std::string details;      // shown in the "Details" column
    std::string iconKey;      // key of the entry's picture
    std::string condition{};  // empty: always

    bool operator==(const Action&) const = default;
};

// An entry of a list as the list shows it, valid until the list next changes.
struct ActionRef {
    std::string_view kind;
    std::string_view details;
    std::string_view iconKey;
    ItemKey itemKey = 0;
    std::string_view condition;

    ActionRef() = default;
    ActionRef(std::string_view kind, std::string_view details, std::string_view iconKey,
              ItemKey key = 0, std::string_view condition = {})
        : kind(kind), details(details), iconKey(iconKey), itemKey(key), condition(condition) {}
    // Implicit both ways, so that what reads an entry reads a free-standing action too (it
    // has no key), and an entry is copied out as an Action where a value is wanted.
    ActionRef(const Action& action)
        : kind(action.kind),
          details(action.details),
          iconKey(action.iconKey),
          condition(action.condition) {}

    Action toAction() const {
        return {std::string(kind), std::string(details), std::string(iconKey),
                std::string(condition)};
    }
    operator Action() const { return toAction(); }

    // Equal when they show the same: the key is the list's business.
    friend bool operator==(const ActionRef& a, const ActionRef& b) {
        return a.kind == b.kind && a.details == b.details && a.iconKey == b.iconKey &&
               a.condition == b.condition;
    }
    friend bool operator==(const ActionRef& a, const Action& b) { return a == ActionRef(b); }
};

}  // namespace kestrune
