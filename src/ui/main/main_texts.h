#pragma once

// The main window's own texts besides its commands' (command_table.h): menus, captions
// and messages, kept in one place so that the code and its tests read the same constant.

#include <array>
#include <string_view>

namespace kestrune::main_texts {

struct Menu {
    std::string_view name;
    std::string_view caption;
    bool inMenuBar;  // false: only ever shown as a pop-up menu
};

inline constexpr Menu kFileMenu{"mnuFile", "&File", true};
inline constexpr Menu kEditMenu{"mnuEdit", "&Edit", true};
inline constexpr Menu kViewMenu{"mnuView", "&View", true};
inline constexpr Menu kToolsMenu{"mnuTools", "&Tools", true};
inline constexpr Menu kHelpMenu{"mnuHelp", "&Help", true};
inline constexpr Menu kPopUpMenu{"popUpTool", "popUpTool", false};

inline constexpr int kRecentCount = 5;

inline constexpr std::string_view kDockToolbar = "Dock &Toolbar";

inline constexpr std::string_view kActionColumn = "Action";
inline constexpr std::string_view kConditionColumn = "Run if";
inline constexpr std::string_view kDetailsColumn = "Details";

// Status help over the toolbar (each button's own text is in its command's row): the
// selected action's name when there is none to name.
namespace help {
inline constexpr std::string_view kNoAction = "action";
}  // namespace help

inline constexpr std::string_view kFloatingCaption = "Toolbar";
// The status text when the action of a Check Script report's row (its number between the
// two) has left the list since.
inline constexpr std::string_view kCheckedGone = "Action ";
inline constexpr std::string_view kCheckedGoneEnd = " of the report is no longer in the list.";
// The status text once Make Script has written its script, before the script's path.
inline constexpr std::string_view kScriptMade = "Script made: ";
// Where the window title marks unsaved changes (Qt's window-modified mark).
inline constexpr std::string_view kModifiedMark = "[*]";
inline constexpr std::string_view kActionSeparator = " -- ";
// After the selected action's Details: " (if " CONDITION ")".
inline constexpr std::string_view kConditionStart = " (if ";
inline constexpr std::string_view kConditionEnd = ")";

// The script view: how an action the writer refuses shows where its lines would be, with
// the writer's reason between the two parts when it gives one.
namespace script {
inline constexpr std::string_view kRefused = "!! Not written, the script can't hold it: ";
inline constexpr std::string_view kRefusedBecause = "!! Not written, ";
inline constexpr std::string_view kRefusedReasonEnd = ": ";
// What a screen reader says of the lines shown in colour: the selected action's, lit, and
// the marked line of an action the script can't hold.
inline constexpr std::string_view kLitLine = "Selected action";
inline constexpr std::string_view kRefusedLine = "Not written";
inline constexpr std::string_view kLitRefusedLine = "Selected action, not written";
}  // namespace script

// The names assistive technology gives the parts of the window that show no caption of
// their own (the toolbar buttons are named after their commands' menu items).
namespace accessible {
inline constexpr std::string_view kList = "Actions";
inline constexpr std::string_view kScriptView = "Script";
inline constexpr std::string_view kToolbar = "Toolbar";
// The toolbar's own button for the buttons that don't fit, and the status bar's resize grip.
inline constexpr std::string_view kMoreButtons = "More buttons";
inline constexpr std::string_view kSizeGrip = "Resize window";
inline constexpr std::string_view kStatusBar = "Status";
inline constexpr std::string_view kFindField = "Find";
inline constexpr std::string_view kClearFind = "Clear";
}  // namespace accessible

// The find bar above the list.
namespace find {
inline constexpr std::string_view kCaption = "Find:";
inline constexpr std::string_view kNotFound = "No action holds this text.";
}  // namespace find

namespace message {
inline constexpr std::string_view kSaveSettingsFailed =
    "An unexpected error occurred while saving settings in the system registry.";
inline constexpr std::string_view kRecentFilesFailed =
    "An unexpected error occurred while saving or retrieving settings in the system registry.";
inline constexpr std::string_view kSaveChangesTo = "Save changes to ";
inline constexpr std::string_view kSaveChangesEnd = " ?";
// "A save of " PATH " was interrupted; ...": a file read with a recovery copy beside it.
inline constexpr std::string_view kInterruptedSave = "A save of ";
inline constexpr std::string_view kInterruptedSaveEnd =
    " was interrupted; the file may be incomplete.\rDo you want to open the copy that was being "
    "saved?";
inline constexpr std::string_view kClearAll =
    "Are you sure you want to clear all actions currently in the list?";
// Another program's change of the document's file: "The file " + path + one of the ends.
inline constexpr std::string_view kTheFile = "The file ";
inline constexpr std::string_view kChangedOverwrite =
    " has been changed by another program since it was opened.\rDo you want to overwrite it?";
inline constexpr std::string_view kChangedReload =
    " has been changed by another program.\rDo you want to reload it?";
inline constexpr std::string_view kChangedUnsaved =
    " has been changed by another program. Saving will ask before overwriting it.";
inline constexpr std::string_view kDeleted = " was deleted on disk.";
inline constexpr std::string_view kDeletedWritten =
    " was deleted on disk and has been written again.";
// Before the first save over a script the program did not write: path + kNotWrittenBy + how
// many lines + kLinesEnd (kLineEnd for one).
inline constexpr std::string_view kNotWrittenBy =
    " was not written by Kestrune.\rSaving it will change ";
inline constexpr std::string_view kLinesEnd = " lines.";
inline constexpr std::string_view kLineEnd = " line.";
}  // namespace message

// The file dialog's titles and filters (description and pattern pairs, patterns separated
// by ";"; the blanks before some bars are part of the descriptions shown). ".cmd" scripts
// are batch scripts as much as ".bat" ones.
namespace dialog {
inline constexpr std::string_view kOpenTitle = "Open Template";
inline constexpr std::string_view kSaveTitle = "Save Template";
inline constexpr std::string_view kMakeTitle = "Make Script";
inline constexpr std::string_view kOpenFilter =
    "Logon Templates (*.lst)|*.lst|Batch Files (*.bat) |*.bat;*.cmd";
inline constexpr std::string_view kSaveFilter =
    "Logon Templates (*.lst) |*.lst|Batch Files (*.bat) |*.bat;*.cmd";
inline constexpr std::string_view kScriptFilter = "Batch Files (*.bat) |*.bat;*.cmd";
}  // namespace dialog

// Settings layout.
namespace settings {
inline constexpr std::string_view kApplication = "Kestrune";
inline constexpr std::string_view kWindow = "Window";
inline constexpr std::string_view kHeight = "frmH";
inline constexpr std::string_view kWidth = "frmW";
inline constexpr std::string_view kState = "frmS";
inline constexpr std::string_view kRecent = "Recent";
inline constexpr std::string_view kFilePrefix = "File";
// Whether the script view is shown: "1" or "0".
inline constexpr std::string_view kScriptView = "ScriptView";
}  // namespace settings

}  // namespace kestrune::main_texts
