#pragma once

// The About box's texts, the places where the system information program is looked for,
// and the help file's name and message. What the user reads is marked for translation and
// shown through Tr(); "%1" stands for what a text names.

#include <QString>
#include <QtGlobal>
#include <array>
#include <string_view>

#include "platform/shown_text.h"

namespace kestrune::about_texts {

inline QString Tr(std::string_view text) {
    return Translated("About", text);
}

inline constexpr std::string_view kCaption = QT_TRANSLATE_NOOP("About", "About %1");
inline constexpr std::string_view kVersion = QT_TRANSLATE_NOOP("About", "Version %1");
inline constexpr std::string_view kDescription = QT_TRANSLATE_NOOP(
    "About",
    "Kestrune builds logon scripts: the batch files that client computers run when a user "
    "logs on to the network. Trying an action or a script runs it on this computer, with "
    "real effects on its drives, printers and registry.");
inline constexpr std::string_view kCredit =
    QT_TRANSLATE_NOOP("About", "Written by the Kestrune developers.");
inline constexpr std::string_view kOk = QT_TRANSLATE_NOOP("About", "OK");
inline constexpr std::string_view kSysInfo = QT_TRANSLATE_NOOP("About", "&System Info...");
// What a screen reader says of the program's picture.
inline constexpr std::string_view kPicture = QT_TRANSLATE_NOOP("About", "Kestrune icon");

inline constexpr std::string_view kSysInfoUnavailable =
    QT_TRANSLATE_NOOP("About", "System Information Is Unavailable At This Time");

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
    QT_TRANSLATE_NOOP("About", "An error occurred while attempting to start the help file, \r%1.");

}  // namespace kestrune::about_texts
