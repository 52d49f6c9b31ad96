#pragma once

// One step of a logon script. An action is two texts, its kind label and its Details;
// every parameter (share, drive, port, path, command) lives inside Details and is taken
// back out of it with the rules in details.h.

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

struct Action {
    std::string kind;     // shown in the "Action" column; compared exactly
    std::string details;  // shown in the "Details" column
    std::string iconKey;  // key of the entry's picture
    std::string itemKey;  // internal, never shown nor written to a file

    bool operator==(const Action&) const = default;
};

}  // namespace kestrune
