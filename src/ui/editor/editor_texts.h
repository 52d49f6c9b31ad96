#pragma once

// The action editor's own texts: captions, labels, explanations and messages, kept in one
// place so that the code and its tests read the same constant.

#include <array>
#include <string_view>

namespace kestrune::editor_texts {

inline constexpr std::string_view kCaption = "Add Action";

inline constexpr std::string_view kOk = "&OK";
inline constexpr std::string_view kBack = "&Back";
inline constexpr std::string_view kCancel = "&Cancel";
inline constexpr std::string_view kBrowse = "&Browse";

// The type page and its six buttons, in the order they are laid out.
inline constexpr std::string_view kTypeFrame = "Action";
inline constexpr std::string_view kMapButton = "Map Drive";
inline constexpr std::string_view kAppButton = "Run Application";
inline constexpr std::string_view kRegButton = "Merge Registry";
inline constexpr std::string_view kMotdButton = "Display Message";
inline constexpr std::string_view kOtherButton = "Other Commands";
inline constexpr std::string_view kPrintButton = "Map Printer";

// Page captions.
inline constexpr std::string_view kMapFrame = "Map Drive";
inline constexpr std::string_view kRunFrame = "Run Application";
inline constexpr std::string_view kMessageFrame = "Display Message";
inline constexpr std::string_view kRegFrame = "Implement Registry Policy";
inline constexpr std::string_view kOtherFrame = "Other Commands";
inline constexpr std::string_view kPrintFrame = "Map Printer";

// Explanations; the blanks inside and at the end are the program's own.
inline constexpr std::string_view kMapExplanation =
    "This action will attempt to mount a share on the drive you specify. \"Next Available\" "
    "will map the share on the next available drive on the client. \"Home\" will search for a "
    "share on the logon server  that has the same name as the user currently logged on at the "
    "client machine.";
inline constexpr std::string_view kRunExplanation =
    "If you specify obtain from server, the script will download and execute the program "
    "locally. This can really be any file as long as it is associated with an application on "
    "the client computer. ";
inline constexpr std::string_view kRegExplanation =
    "This action will merge a registry file on the remote server with the client's registry. "
    "The remote file MUST have a .reg extension and the client computer must have .reg files "
    "associated with regedit.exe for this to work. ";
inline constexpr std::string_view kMessageExplanation =
    "This action will display a message inside the logon script, then wait till the user "
    "presses \"Any Key\" and continues with the script. This is really only useful if you want "
    "to display a MOTD (Message of the Day). It will print the entire contents of a remote text "
    "file as the message. ";
inline constexpr std::string_view kPrintExplanation =
    "This will map a printer on the specified port. If you do not specify a port, it will map "
    "the printer on the next available port.";
inline constexpr std::string_view kOtherExplanation =
    "This will allow you to include other commands in the logon script. Any standard DOS "
    "command will do. If you would like to display text type, \"echo Text to display\" ( no "
    "quotes ). Replace Text to display with the actual text you want to be displayed. For other "
    "DOS and batch file commands, type HELP at a DOS prompt.";

// Labels.
inline constexpr std::string_view kShareLabel = "Map Share:";
inline constexpr std::string_view kDriveLabel = "On drive:";
inline constexpr std::string_view kHome = "Home";
inline constexpr std::string_view kClientOption = "Obtain application from client";
inline constexpr std::string_view kServerOption = "Obtain application from server";
inline constexpr std::string_view kLocalAppLabel = "Local path to application:";
inline constexpr std::string_view kRemoteAppLabel = "Remote path to application:";
inline constexpr std::string_view kMotdLabel = "Remote text file to print as message:";
inline constexpr std::string_view kRegLabel = "Remote Registry File:";
inline constexpr std::string_view kOtherLabel = "Command to be added to batch file:";
inline constexpr std::string_view kPrintLabel = "Remote printer to map:";
inline constexpr std::string_view kPortLabel = "On port LPT:";
inline constexpr std::string_view kPortNote = "optional";

// Connecting or disconnecting, on the Map Drive and Map Printer pages.
inline constexpr std::string_view kActionLabel = "Action:";
inline constexpr std::string_view kConnect = "Connect";
inline constexpr std::string_view kDisconnect = "Disconnect";
// What the drive list offers first while disconnecting, instead of "Next Available".
inline constexpr std::string_view kAllConnections = "All network connections";

// The connection options of a drive or printer mapping.
inline constexpr std::string_view kOptionsFrame = "Connection options";
inline constexpr std::string_view kReconnectLabel = "Reconnect at logon";
// In the order of the list: no switch, /PERSISTENT:YES, /PERSISTENT:NO.
inline constexpr std::array<std::string_view, 3> kReconnectChoices = {"Leave as it is", "Yes",
                                                                      "No"};
inline constexpr std::string_view kReconnectNote =
    "NET keeps the last Reconnect setting used for later connections too.";
inline constexpr std::string_view kConfirm = "Answer yes to questions";
inline constexpr std::string_view kQuiet = "Hide messages";
inline constexpr std::string_view kUserLabel = "Connect as";
inline constexpr std::string_view kUserNote =
    "Without a stored credential, Windows asks the user for the password at logon (and Hide "
    "messages hides that question).";
inline constexpr std::string_view kSaveCredentials = "Save credentials";

// How a program runs, and how a registry file is merged.
inline constexpr std::string_view kArgumentsLabel = "Arguments";
inline constexpr std::string_view kStartOption = "Start it and go on";
inline constexpr std::string_view kWaitOption = "Wait until it ends";
inline constexpr std::string_view kRegClientOption = "Obtain registry file from client";
inline constexpr std::string_view kRegServerOption = "Obtain registry file from server";
inline constexpr std::string_view kLocalRegLabel = "Local Registry File:";
inline constexpr std::string_view kMergeWithLabel = "Merge with";
inline constexpr std::string_view kMergeOpen = "Open the file (asks the user)";
inline constexpr std::string_view kMergeRegImport =
    "reg import (silent, no administrator rights needed for the user's own settings)";
inline constexpr std::string_view kMergeRegedit = "regedit /s (silent, needs administrator rights)";

// The row every page has: for whom or where the action runs, and the name it goes by. The
// choices stand in the order of the condition forms they make, after "Always".
inline constexpr std::string_view kRunIfLabel = "Run if:";
inline constexpr std::array<std::string_view, 7> kRunIfChoices = {
    "Always",           "User is member of group", "User is not member of group", "User name is",
    "User name is not", "Computer name is",        "Computer name is not"};

// The drive list: "Next Available", then "D:\" to "Z:\".
inline constexpr std::string_view kNextAvailable = "Next Available";
inline constexpr char kFirstDrive = 'D';
inline constexpr char kLastDrive = 'Z';
// What the share field shows while Home is checked.
inline constexpr std::string_view kHomeShare = "Home directory on logon server";

// Checks and questions.
inline constexpr std::string_view kEmptyShare =
    "Please enter the name of the remote share you would like to map.";
inline constexpr std::string_view kDoubtfulShare =
    "The server or share name appears to be invalid. Use anyway?";
inline constexpr std::string_view kEmptyApp =
    "Please specify the path to a local file or a file on a share.";
inline constexpr std::string_view kEmptyReg =
    "Please enter the name of the remote registry file you would like to merge.";
inline constexpr std::string_view kNotReg = "The remote filename must have an .reg extension.";
inline constexpr std::string_view kDoubtfulServer =
    "The server name appears to be invalid. Use anyway?";
inline constexpr std::string_view kEmptyMotd =
    "Please enter the name of the remote message you would like to have displayed.";
inline constexpr std::string_view kEmptyPrinter =
    "Please specify the remote printer you would like to map.";
inline constexpr std::string_view kEmptyOther =
    "Please enter the command to be executed in the text box.";
inline constexpr std::string_view kQuoteInPath =
    "The share or path name must not contain a double quote (\").";
inline constexpr std::string_view kBadUser =
    "A user name can't contain blanks, double quotes or any of & | < > ^ ( ).";
inline constexpr std::string_view kBadArguments =
    "The arguments contain & | < > ^ ( ) outside double quotes, or an unmatched double quote.";
inline constexpr std::string_view kNeedsPort =
    "Connection options need a port. Please enter a port number from 1 to 9.";
inline constexpr std::string_view kEmptyConditionName =
    "Please enter the name of the group, user or computer.";
inline constexpr std::string_view kBadConditionName =
    "A name can't contain double quotes, % or !, or letters outside English; a group at most one "
    "backslash (DOMAIN\\GROUP), a user or computer name none.";
inline constexpr std::string_view kRegistryFailure =
    "An unexpected error occurred while accessing the system registry.";

// The Browse dialog.
inline constexpr std::string_view kBrowseTitle = "Program to run";
inline constexpr std::string_view kBrowseFilter = "Programs (*.exe)|*.exe|All Files (*.*)|*.*";

// Where the remembered shares are kept: keys "Share1" to "Share10".
inline constexpr std::string_view kRecentSection = "Recent";
inline constexpr std::string_view kShareKey = "Share";

}  // namespace kestrune::editor_texts
