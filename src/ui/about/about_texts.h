#pragma once

// The About box's texts, the places where the system information program is looked for,
// and the help file's name and message.

#include <array>
#include <string_view>

namespace kestrune::about_texts {

inline constexpr std::string_view kCaptionPrefix = "About ";
inline constexpr std::string_view kVersionPrefix = "Version ";
inline constexpr std::string_view kDescription =
    "Kestrune builds logon scripts: the batch files that client computers run when a user "
    "logs on to the network. Trying an action or a script runs it on this computer, with "
    "real effects on its drives, printers and registry.";
inline constexpr std::string_view kCredit = "Written by the Kestrune developers.";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kSysInfo = "&System Info...";
// What a screen reader says of the program's picture.
inline constexpr std::string_view kPicture = "Kestrune icon";

inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Where Windows keeps the system information program, both under HKEY_LOCAL_MACHINE: the
// program's full path, or its folder.
inline constexpr std::string_view kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kMsinfoPathValue = "PATH";
inline constexpr std::string_view kSharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kMsinfoFolderValue = "MSINFO";
inline constexpr std::string_view kMsinfoProgram = "\\MSINFO32.EXE";

// Elsewhere, the first of these desktop programs found on the PATH.
inline constexpr std::array<std::string_view, 3> kSysInfoPrograms = {"hardinfo", "kinfocenter",
                                                                     "gnome-system-monitor"};

// Windows keeps the help beside the program under its old name, as HTML that the browser
// opens; other desktops type files by their ending, and "*.hlp" is WinHelp there.
#ifdef _WIN32
inline constexpr std::string_view kHelpFile = "kestrune.hlp";
#else
inline constexpr std::string_view kHelpFile = "kestrune.html";
#endif
inline constexpr std::string_view kHelpFolder = "kestrune";
inline constexpr std::string_view kHelpFailed =
    "An error occurred while attempting to start the help file, \r";

}  // namespace kestrune::about_texts
