#pragma once

// The action editor's own texts: captions, labels, explanations and messages, kept in one
// place so that the code and its tests read the same constant. What the user reads is marked
// for translation and shown through Tr().

#include <QString>
#include <QtGlobal>
#include <array>
#include <string_view>

#include "platform/shown_text.h"

namespace kestrune::editor_texts {

inline QString Tr(std::string_view text) {
    return Translated("Editor", text);
}

inline constexpr std::string_view kCaption = QT_TRANSLATE_NOOP("Editor", "Add Action");

inline constexpr std::string_view kOk = QT_TRANSLATE_NOOP("Editor", "&OK");
inline constexpr std::string_view kBack = QT_TRANSLATE_NOOP("Editor", "&Back");
inline constexpr std::string_view kCancel = QT_TRANSLATE_NOOP("Editor", "&Cancel");
inline constexpr std::string_view kBrowse = QT_TRANSLATE_NOOP("Editor", "&Browse");

// The type page and its six buttons, in the order they are laid out.
inline constexpr std::string_view kTypeFrame = QT_TRANSLATE_NOOP("Editor", "Action");
inline constexpr std::string_view kMapButton = QT_TRANSLATE_NOOP("Editor", "Map Drive");
inline constexpr std::string_view kAppButton = QT_TRANSLATE_NOOP("Editor", "Run Application");
inline constexpr std::string_view kRegButton = QT_TRANSLATE_NOOP("Editor", "Merge Registry");
inline constexpr std::string_view kMotdButton = QT_TRANSLATE_NOOP("Editor", "Display Message");
inline constexpr std::string_view kOtherButton = QT_TRANSLATE_NOOP("Editor", "Other Commands");
inline constexpr std::string_view kPrintButton = QT_TRANSLATE_NOOP("Editor", "Map Printer");

// Page captions.
inline constexpr std::string_view kMapFrame = QT_TRANSLATE_NOOP("Editor", "Map Drive");
inline constexpr std::string_view kRunFrame = QT_TRANSLATE_NOOP("Editor", "Run Application");
inline constexpr std::string_view kMessageFrame = QT_TRANSLATE_NOOP("Editor", "Display Message");
inline constexpr std::string_view kRegFrame =
    QT_TRANSLATE_NOOP("Editor", "Implement Registry Policy");
inline constexpr std::string_view kOtherFrame = QT_TRANSLATE_NOOP("Editor", "Other Commands");
inline constexpr std::string_view kPrintFrame = QT_TRANSLATE_NOOP("Editor", "Map Printer");

// Explanations; the blanks inside and at the end are the program's own.
inline constexpr std::string_view kMapExplanation = QT_TRANSLATE_NOOP(
    "Editor",
    "This action will attempt to mount a share on the drive you specify. \"Next Available\" "
    "will map the share on the next available drive on the client. \"Home\" will search for a "
    "share on the logon server  that has the same name as the user currently logged on at the "
    "client machine.");
inline constexpr std::string_view kRunExplanation = QT_TRANSLATE_NOOP(
    "Editor",
    "If you specify obtain from server, the script will download and execute the program "
    "locally. This can really be any file as long as it is associated with an application on "
    "the client computer. ");
inline constexpr std::string_view kRegExplanation = QT_TRANSLATE_NOOP(
    "Editor",
    "This action will merge a registry file on the remote server with the client's registry. "
    "The remote file MUST have a .reg extension and the client computer must have .reg files "
    "associated with regedit.exe for this to work. ");
inline constexpr std::string_view kMessageExplanation = QT_TRANSLATE_NOOP(
    "Editor",
    "This action will display a message inside the logon script, then wait till the user "
    "presses \"Any Key\" and continues with the script. This is really only useful if you want "
    "to display a MOTD (Message of the Day). It will print the entire contents of a remote text "
    "file as the message. ");
inline constexpr std::string_view kPrintExplanation = QT_TRANSLATE_NOOP(
    "Editor",
    "This will map a printer on the specified port. If you do not specify a port, it will map "
    "the printer on the next available port.");
inline constexpr std::string_view kOtherExplanation = QT_TRANSLATE_NOOP(
    "Editor",
    "This will allow you to include other commands in the logon script. Any standard DOS "
    "command will do. If you would like to display text type, \"echo Text to display\" ( no "
    "quotes ). Replace Text to display with the actual text you want to be displayed. For other "
    "DOS and batch file commands, type HELP at a DOS prompt.");

// Labels.
inline constexpr std::string_view kShareLabel = QT_TRANSLATE_NOOP("Editor", "Map Share:");
inline constexpr std::string_view kDriveLabel = QT_TRANSLATE_NOOP("Editor", "On drive:");
inline constexpr std::string_view kHome = QT_TRANSLATE_NOOP("Editor", "Home");
inline constexpr std::string_view kClientOption =
    QT_TRANSLATE_NOOP("Editor", "Obtain application from client");
inline constexpr std::string_view kServerOption =
    QT_TRANSLATE_NOOP("Editor", "Obtain application from server");
inline constexpr std::string_view kLocalAppLabel =
    QT_TRANSLATE_NOOP("Editor", "Local path to application:");
inline constexpr std::string_view kRemoteAppLabel =
    QT_TRANSLATE_NOOP("Editor", "Remote path to application:");
inline constexpr std::string_view kMotdLabel =
    QT_TRANSLATE_NOOP("Editor", "Remote text file to print as message:");
inline constexpr std::string_view kRegLabel = QT_TRANSLATE_NOOP("Editor", "Remote Registry File:");
inline constexpr std::string_view kOtherLabel =
    QT_TRANSLATE_NOOP("Editor", "Command to be added to batch file:");
inline constexpr std::string_view kPrintLabel =
    QT_TRANSLATE_NOOP("Editor", "Remote printer to map:");
inline constexpr std::string_view kPortLabel = QT_TRANSLATE_NOOP("Editor", "On port LPT:");
inline constexpr std::string_view kPortNote = QT_TRANSLATE_NOOP("Editor", "optional");

// Connecting or disconnecting, on the Map Drive and Map Printer pages.
inline constexpr std::string_view kActionLabel = QT_TRANSLATE_NOOP("Editor", "Action:");
inline constexpr std::string_view kConnect = QT_TRANSLATE_NOOP("Editor", "Connect");
inline constexpr std::string_view kDisconnect = QT_TRANSLATE_NOOP("Editor", "Disconnect");
// What the drive list offers first while disconnecting, instead of "Next Available".
inline constexpr std::string_view kAllConnections =
    QT_TRANSLATE_NOOP("Editor", "All network connections");

// The connection options of a drive or printer mapping.
inline constexpr std::string_view kOptionsFrame = QT_TRANSLATE_NOOP("Editor", "Connection options");
inline constexpr std::string_view kReconnectLabel =
    QT_TRANSLATE_NOOP("Editor", "Reconnect at logon");
// In the order of the list: no switch, /PERSISTENT:YES, /PERSISTENT:NO.
inline constexpr std::array<std::string_view, 3> kReconnectChoices = {
    QT_TRANSLATE_NOOP("Editor", "Leave as it is"), QT_TRANSLATE_NOOP("Editor", "Yes"),
    QT_TRANSLATE_NOOP("Editor", "No")};
inline constexpr std::string_view kReconnectNote = QT_TRANSLATE_NOOP(
    "Editor", "NET keeps the last Reconnect setting used for later connections too.");
inline constexpr std::string_view kConfirm = QT_TRANSLATE_NOOP("Editor", "Answer yes to questions");
inline constexpr std::string_view kQuiet = QT_TRANSLATE_NOOP("Editor", "Hide messages");
inline constexpr std::string_view kUserLabel = QT_TRANSLATE_NOOP("Editor", "Connect as");
inline constexpr std::string_view kUserNote = QT_TRANSLATE_NOOP(
    "Editor",
    "Without a stored credential, Windows asks the user for the password at logon (and Hide "
    "messages hides that question).");
inline constexpr std::string_view kSaveCredentials =
    QT_TRANSLATE_NOOP("Editor", "Save credentials");

// How a program runs, and how a registry file is merged.
inline constexpr std::string_view kArgumentsLabel = QT_TRANSLATE_NOOP("Editor", "Arguments");
inline constexpr std::string_view kStartOption = QT_TRANSLATE_NOOP("Editor", "Start it and go on");
inline constexpr std::string_view kWaitOption = QT_TRANSLATE_NOOP("Editor", "Wait until it ends");
inline constexpr std::string_view kRegClientOption =
    QT_TRANSLATE_NOOP("Editor", "Obtain registry file from client");
inline constexpr std::string_view kRegServerOption =
    QT_TRANSLATE_NOOP("Editor", "Obtain registry file from server");
inline constexpr std::string_view kLocalRegLabel =
    QT_TRANSLATE_NOOP("Editor", "Local Registry File:");
inline constexpr std::string_view kMergeWithLabel = QT_TRANSLATE_NOOP("Editor", "Merge with");
inline constexpr std::string_view kMergeOpen =
    QT_TRANSLATE_NOOP("Editor", "Open the file (asks the user)");
inline constexpr std::string_view kMergeRegImport = QT_TRANSLATE_NOOP(
    "Editor", "reg import (silent, no administrator rights needed for the user's own settings)");
inline constexpr std::string_view kMergeRegedit =
    QT_TRANSLATE_NOOP("Editor", "regedit /s (silent, needs administrator rights)");

// The row every page has: for whom or where the action runs, and the name it goes by. The
// choices stand in the order of the condition forms they make, after "Always".
inline constexpr std::string_view kRunIfLabel = QT_TRANSLATE_NOOP("Editor", "Run if:");
inline constexpr std::array<std::string_view, 7> kRunIfChoices = {
    QT_TRANSLATE_NOOP("Editor", "Always"),
    QT_TRANSLATE_NOOP("Editor", "User is member of group"),
    QT_TRANSLATE_NOOP("Editor", "User is not member of group"),
    QT_TRANSLATE_NOOP("Editor", "User name is"),
    QT_TRANSLATE_NOOP("Editor", "User name is not"),
    QT_TRANSLATE_NOOP("Editor", "Computer name is"),
    QT_TRANSLATE_NOOP("Editor", "Computer name is not")};

// The drive list: "Next Available", then "D:\" to "Z:\".
inline constexpr std::string_view kNextAvailable = QT_TRANSLATE_NOOP("Editor", "Next Available");
inline constexpr char kFirstDrive = 'D';
inline constexpr char kLastDrive = 'Z';
// What the share field shows while Home is checked.
inline constexpr std::string_view kHomeShare =
    QT_TRANSLATE_NOOP("Editor", "Home directory on logon server");

// Checks and questions.
inline constexpr std::string_view kEmptyShare =
    QT_TRANSLATE_NOOP("Editor", "Please enter the name of the remote share you would like to map.");
inline constexpr std::string_view kDoubtfulShare =
    QT_TRANSLATE_NOOP("Editor", "The server or share name appears to be invalid. Use anyway?");
inline constexpr std::string_view kEmptyApp =
    QT_TRANSLATE_NOOP("Editor", "Please specify the path to a local file or a file on a share.");
inline constexpr std::string_view kEmptyReg = QT_TRANSLATE_NOOP(
    "Editor", "Please enter the name of the remote registry file you would like to merge.");
inline constexpr std::string_view kNotReg =
    QT_TRANSLATE_NOOP("Editor", "The remote filename must have an .reg extension.");
inline constexpr std::string_view kDoubtfulServer =
    QT_TRANSLATE_NOOP("Editor", "The server name appears to be invalid. Use anyway?");
inline constexpr std::string_view kEmptyMotd = QT_TRANSLATE_NOOP(
    "Editor", "Please enter the name of the remote message you would like to have displayed.");
inline constexpr std::string_view kEmptyPrinter =
    QT_TRANSLATE_NOOP("Editor", "Please specify the remote printer you would like to map.");
inline constexpr std::string_view kEmptyOther =
    QT_TRANSLATE_NOOP("Editor", "Please enter the command to be executed in the text box.");
inline constexpr std::string_view kQuoteInPath =
    QT_TRANSLATE_NOOP("Editor", "The share or path name must not contain a double quote (\").");
inline constexpr std::string_view kBadUser = QT_TRANSLATE_NOOP(
    "Editor", "A user name can't contain blanks, double quotes or any of & | < > ^ ( ).");
inline constexpr std::string_view kBadArguments = QT_TRANSLATE_NOOP(
    "Editor",
    "The arguments contain & | < > ^ ( ) outside double quotes, or an unmatched double quote.");
inline constexpr std::string_view kNeedsPort = QT_TRANSLATE_NOOP(
    "Editor", "Connection options need a port. Please enter a port number from 1 to 9.");
inline constexpr std::string_view kEmptyConditionName =
    QT_TRANSLATE_NOOP("Editor", "Please enter the name of the group, user or computer.");
inline constexpr std::string_view kBadConditionName = QT_TRANSLATE_NOOP(
    "Editor",
    "A name can't contain double quotes, % or !, or letters outside English; a group at most one "
    "backslash (DOMAIN\\GROUP), a user or computer name none.");
inline constexpr std::string_view kRegistryFailure = QT_TRANSLATE_NOOP(
    "Editor", "An unexpected error occurred while accessing the system registry.");

// The Browse dialog.
inline constexpr std::string_view kBrowseTitle = QT_TRANSLATE_NOOP("Editor", "Program to run");
inline constexpr std::string_view kBrowseFilter =
    QT_TRANSLATE_NOOP("Editor", "Programs (*.exe)|*.exe|All Files (*.*)|*.*");

// Where the remembered shares are kept: keys "Share1" to "Share10".
inline constexpr std::string_view kRecentSection = "Recent";
inline constexpr std::string_view kShareKey = "Share";

}  // namespace kestrune::editor_texts
