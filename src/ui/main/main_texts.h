#pragma once

// The main window's own texts: captions, shortcuts, toolbar keys and tooltips, status help
// and messages, kept in one place so that the code and its tests read the same constant.

#include <array>
#include <string_view>

namespace kestrune::main_texts {

// A menu's items in order. An empty name is a separator without a name of its own.
struct MenuItem {
    std::string_view name;
    std::string_view caption;   // empty for a separator
    std::string_view shortcut;  // in QKeySequence's portable form; empty for none
    bool hidden = false;        // exists but is not shown until the program shows it
};

struct Menu {
    std::string_view name;
    std::string_view caption;
    bool inMenuBar;  // false: only ever shown as a pop-up menu
};

inline constexpr Menu kFileMenu{"mnuFile", "&File", true};
inline constexpr Menu kToolsMenu{"mnuTools", "&Tools", true};
inline constexpr Menu kHelpMenu{"mnuHelp", "&Help", true};
inline constexpr Menu kPopUpMenu{"popUpTool", "popUpTool", false};

inline constexpr int kRecentCount = 5;

inline constexpr std::array<MenuItem, 13> kFileItems = {{
    {"mnuNew", "&New", "Ctrl+N"},
    {"mnuOpen", "&Open", "Ctrl+O"},
    {"mnuSpacer3", "", ""},
    {"mnuSave", "&Save", "Ctrl+S"},
    {"mnuSaveAs", "Save &As", ""},
    {"mnuSpace2", "", ""},
    {"mnuRec1", "1", "", true},
    {"mnuRec2", "2", "", true},
    {"mnuRec3", "3", "", true},
    {"mnuRec4", "4", "", true},
    {"mnuRec5", "5", "", true},
    {"mnuRecSpace", "", "", true},
    {"mnuExit", "E&xit", "Ctrl+X"},
}};

inline constexpr std::array<MenuItem, 9> kToolsItems = {{
    {"mnuAdd", "&Add Action", "Ctrl+A"},
    {"mnuRemove", "&Remove Action", "Ctrl+R"},
    {"mnuExAction", "&Execute Action", ""},
    {"mnuProps", "Action &Properties", "Ctrl+P"},
    {"mnuSpace", "", ""},
    {"mnuMake", "&Make Script", "Ctrl+M"},
    {"mnuExecute", "E&xecute Script", "F5"},
    {"mnuSpace1", "", ""},
    {"mnuToolbar", "Float &Toolbar", ""},
}};

inline constexpr std::array<MenuItem, 3> kHelpItems = {{
    {"mnuHelpTop", "Help &Topics", "F1"},
    {"mnuSpace4", "", ""},
    {"mnuAbout", "&About", ""},
}};

inline constexpr std::array<MenuItem, 8> kPopUpItems = {{
    {"mnuAdd2", "Add Action", ""},
    {"mnuRemove2", "Remove Action", ""},
    {"mnuClear", "Clear All", ""},
    {"mnuSpacers", "", ""},
    {"mnuExAct2", "Execute Action", ""},
    {"mnuProps2", "Action Properties", ""},
    {"mnuSpacer2", "", ""},
    {"mnuExitPop", "Exit", ""},
}};

inline constexpr std::string_view kFloatToolbar = "Float &Toolbar";
inline constexpr std::string_view kDockToolbar = "Dock &Toolbar";

// Toolbar buttons by position (from 1); a gap has no key.
struct ToolbarButton {
    int position;
    std::string_view key;
    int picture;  // 1 to 10; 0 for a gap
    std::string_view tooltip;
};

namespace key {
inline constexpr std::string_view kOpen = "Open";
inline constexpr std::string_view kSave = "Save";
inline constexpr std::string_view kAdd = "Add";
inline constexpr std::string_view kRemove = "Remove";
inline constexpr std::string_view kProperties = "Properties";
inline constexpr std::string_view kUp = "Up";
inline constexpr std::string_view kDown = "Down";
inline constexpr std::string_view kExecute = "Execute";
inline constexpr std::string_view kMake = "Make";
inline constexpr std::string_view kToolbarBut = "ToolbarBut";
}  // namespace key

inline constexpr std::array<ToolbarButton, 14> kToolbarButtons = {{
    {1, "", 0, ""},
    {2, key::kOpen, 1, "Open (Ctrl+O)"},
    {3, key::kSave, 2, "Save (Ctrl+S)"},
    {4, "", 0, ""},
    {5, key::kAdd, 3, "Add Action (Ctl+A)"},
    {6, key::kRemove, 4, "Remove Action (Ctl+R)"},
    {7, key::kProperties, 5, "Action Properties (Ctl+P)"},
    {8, key::kUp, 6, "Move Action Up"},
    {9, key::kDown, 7, "Move Action Down"},
    {10, "", 0, ""},
    {11, key::kExecute, 9, "Execute (F5)"},
    {12, key::kMake, 8, "Make Script (Ctl+M)"},
    {13, "", 0, ""},
    {14, key::kToolbarBut, 10, "Float Toolbar"},
}};

inline constexpr std::string_view kActionColumn = "Action";
inline constexpr std::string_view kDetailsColumn = "Details";

// Status help over the toolbar.
namespace help {
inline constexpr std::string_view kOpen = "Open a new template or script";
inline constexpr std::string_view kSave = "Save changes to ";
inline constexpr std::string_view kAdd = "Add a new action to the list";
inline constexpr std::string_view kRemove = "Remove ";
inline constexpr std::string_view kProperties = "Properties of ";
inline constexpr std::string_view kUp = "Move the action up one place in the action list";
inline constexpr std::string_view kDown = "Move the action down one place in the action list";
inline constexpr std::string_view kExecute = "Execute ";
inline constexpr std::string_view kMake = "Make ";
inline constexpr std::string_view kMakeEnd = " into a logon script";
inline constexpr std::string_view kToolbarBut = "Float the toolbar";
inline constexpr std::string_view kNoAction = "action";
}  // namespace help

inline constexpr std::string_view kFloatingCaption = "Toolbar";
inline constexpr std::string_view kActionSeparator = " -- ";

namespace message {
inline constexpr std::string_view kSaveSettingsFailed =
    "An unexpected error occurred while saving settings in the system registry.";
inline constexpr std::string_view kRecentFilesFailed =
    "An unexpected error occurred while saving or retrieving settings in the system registry.";
inline constexpr std::string_view kSaveChangesTo = "Save changes to ";
inline constexpr std::string_view kSaveChangesEnd = " ?";
inline constexpr std::string_view kClearAll =
    "Are you sure you want to clear all actions currently in the list?";
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
}  // namespace settings

}  // namespace kestrune::main_texts
