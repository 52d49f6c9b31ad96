#pragma once

// The text forms of an action's Details and the rules that take its parameters back out.
// Every rule works on Details with its leading and trailing blanks removed.
//
//   Map Drive        "Map " SHARE " as " DRIVE          DRIVE: "G:\" or "next available drive"
//                    "Map home directory on " SERVER " as " DRIVE
//   Map Printer      "Map printer " SHARE [" on LPT" N]   or   "Map " SHARE " on " PORT
//   Run Application  "Remote: " PATH   or   "Local: " PATH   (Merge Registry alike)
//   Display Message  "Display message from " PATH
//   Other            the command line itself

#include <optional>
#include <string>
#include <string_view>

namespace kestrune {

namespace details {
inline constexpr std::string_view kMapPrefix = "Map ";
inline constexpr std::string_view kAs = " as ";
inline constexpr std::string_view kHomePrefix = "Map home directory on ";
inline constexpr std::string_view kTheLogonServer = "the logon server";
inline constexpr std::string_view kLogonServer = "logon server";
inline constexpr std::string_view kNextAvailableDrive = "next available drive";
inline constexpr std::string_view kPrinterPrefix = "Map printer ";
inline constexpr std::string_view kOn = " on ";
inline constexpr std::string_view kOnLpt = " on LPT";
inline constexpr std::string_view kRemotePrefix = "Remote: ";
inline constexpr std::string_view kLocalPrefix = "Local: ";
inline constexpr std::string_view kMessagePrefix = "Display message from ";
}  // namespace details

bool IsHomeMapping(std::string_view details);
// The drive letter before ":\" at the end; none means the next available drive.
std::optional<char> MappedDriveLetter(std::string_view details);
// The share of a drive mapping (or of a printer form with a port), inner blanks kept;
// none when Details holds no "\\". A view into details.
std::optional<std::string_view> MappedShare(std::string_view details);
// The printer's share, upper-cased; none when it can't be found or is empty.
std::optional<std::string> PrinterShare(std::string_view details);
// 1 to 9 when Details ends in "LPT" and that digit.
std::optional<int> PrinterPort(std::string_view details);
bool IsRemoteApplication(std::string_view details);
bool IsRemoteRegistry(std::string_view details);
// The path after "Remote:" or "Local:", trimmed: a view into details.
std::string_view PrefixedPath(std::string_view details);
std::string MessagePath(std::string_view details);

}  // namespace kestrune
