#pragma once

// The main window's commands: one enum value each, and one row that every route offering
// the command builds its item from (and the main toolbar its status help). A route that doesn't
// offer a command has an empty caption (menus) or key (toolbars) in its row. Shortcuts belong to
// the menu bar's items only; the toolbars' tooltips spell them as the buttons always have.

#include <QString>
#include <QtGlobal>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/shown_text.h"

namespace kestrune {

enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    Exit,
    Add,
    Remove,
    ExecuteAction,
    Properties,
    Clear,
    Up,
    Down,
    Make,
    ExecuteScript,
    Toolbar,
    HelpTopics,
    About,
    CheckScript,
    Undo,
    Redo,
    Copy,
    Paste,
    ScriptView,
    Find,
    Compare,
};
inline constexpr std::size_t kCommandCount = 25;

// Where a command is given from. Each route keeps its own caption and its own enabling.
enum class Route { Menu, PopUp, Toolbar, FloatingToolbar };
inline constexpr std::size_t kRouteCount = 4;

// What the status help of a toolbar button names after its text.
enum class HelpNames { Nothing, DocumentFile, SelectedAction };

struct CommandRow {
    Command command;
    // The menu bar's item: name, caption and shortcuts (QKeySequence's portable form, more
    // than one separated by "; ").
    std::string_view menuName;
    std::string_view menuCaption;
    std::string_view shortcut;
    // The right-click menu's item.
    std::string_view popUpName;
    std::string_view popUpCaption;
    // Both toolbars' button: key, picture (1 to 10), and each toolbar's tooltip.
    std::string_view key;
    int picture = 0;
    std::string_view tooltip;
    std::string_view floatingTooltip;
    // The status help while the mouse rests on the main toolbar's button: its text, "%1"
    // standing for what it names.
    std::string_view help = {};
    HelpNames helpNames = HelpNames::Nothing;
    // The menu item is switched on and off, and shows which.
    bool checkable = false;
};

// In the order of the enum. What the user reads is marked for translation: captions,
// tooltips and status help.
inline constexpr std::array<CommandRow, kCommandCount> kCommands = {{
    {Command::New, "mnuNew", QT_TRANSLATE_NOOP("Commands", "&New"), "Ctrl+N", "", "", "", 0, "",
     ""},
    {Command::Open, "mnuOpen", QT_TRANSLATE_NOOP("Commands", "&Open"), "Ctrl+O", "", "", "Open", 1,
     QT_TRANSLATE_NOOP("Commands", "Open (Ctrl+O)"), QT_TRANSLATE_NOOP("Commands", "Open"),
     QT_TRANSLATE_NOOP("Commands", "Open a new template or script")},
    {Command::Save, "mnuSave", QT_TRANSLATE_NOOP("Commands", "&Save"), "Ctrl+S", "", "", "Save", 2,
     QT_TRANSLATE_NOOP("Commands", "Save (Ctrl+S)"), QT_TRANSLATE_NOOP("Commands", "Save"),
     QT_TRANSLATE_NOOP("Commands", "Save changes to %1"), HelpNames::DocumentFile},
    {Command::SaveAs, "mnuSaveAs", QT_TRANSLATE_NOOP("Commands", "Save &As"), "", "", "", "", 0, "",
     ""},
    // Ctrl+Q as well, as the desktops have it.
    {Command::Exit, "mnuExit", QT_TRANSLATE_NOOP("Commands", "E&xit"), "Ctrl+X; Ctrl+Q",
     "mnuExitPop", QT_TRANSLATE_NOOP("Commands", "Exit"), "", 0, "", ""},
    {Command::Add, "mnuAdd", QT_TRANSLATE_NOOP("Commands", "&Add Action"), "Ctrl+A", "mnuAdd2",
     QT_TRANSLATE_NOOP("Commands", "Add Action"), "Add", 3,
     QT_TRANSLATE_NOOP("Commands", "Add Action (Ctl+A)"),
     QT_TRANSLATE_NOOP("Commands", "Add Action"),
     QT_TRANSLATE_NOOP("Commands", "Add a new action to the list")},
    {Command::Remove, "mnuRemove", QT_TRANSLATE_NOOP("Commands", "&Remove Action"), "Ctrl+R",
     "mnuRemove2", QT_TRANSLATE_NOOP("Commands", "Remove Action"), "Remove", 4,
     QT_TRANSLATE_NOOP("Commands", "Remove Action (Ctl+R)"),
     QT_TRANSLATE_NOOP("Commands", "Remove Action"), QT_TRANSLATE_NOOP("Commands", "Remove %1"),
     HelpNames::SelectedAction},
    {Command::ExecuteAction, "mnuExAction", QT_TRANSLATE_NOOP("Commands", "&Execute Action"), "",
     "mnuExAct2", QT_TRANSLATE_NOOP("Commands", "Execute Action"), "", 0, "", ""},
    {Command::Properties, "mnuProps", QT_TRANSLATE_NOOP("Commands", "Action &Properties"), "Ctrl+P",
     "mnuProps2", QT_TRANSLATE_NOOP("Commands", "Action Properties"), "Properties", 5,
     QT_TRANSLATE_NOOP("Commands", "Action Properties (Ctl+P)"),
     QT_TRANSLATE_NOOP("Commands", "Action Properties"),
     QT_TRANSLATE_NOOP("Commands", "Properties of %1"), HelpNames::SelectedAction},
    {Command::Clear, "mnuClearAll", QT_TRANSLATE_NOOP("Commands", "Clear &All"), "", "mnuClear",
     QT_TRANSLATE_NOOP("Commands", "Clear All"), "", 0, "", ""},
    {Command::Up, "mnuUp", QT_TRANSLATE_NOOP("Commands", "&Move Up"), "Alt+Up", "", "", "Up", 6,
     QT_TRANSLATE_NOOP("Commands", "Move Action Up"),
     QT_TRANSLATE_NOOP("Commands", "Move Action Up"),
     QT_TRANSLATE_NOOP("Commands", "Move the action up one place in the action list")},
    {Command::Down, "mnuDown", QT_TRANSLATE_NOOP("Commands", "Move &Down"), "Alt+Down", "", "",
     "Down", 7, QT_TRANSLATE_NOOP("Commands", "Move Action Down"),
     QT_TRANSLATE_NOOP("Commands", "Move Action Down"),
     QT_TRANSLATE_NOOP("Commands", "Move the action down one place in the action list")},
    {Command::Make, "mnuMake", QT_TRANSLATE_NOOP("Commands", "&Make Script"), "Ctrl+M", "", "",
     "Make", 8, QT_TRANSLATE_NOOP("Commands", "Make Script (Ctl+M)"),
     QT_TRANSLATE_NOOP("Commands", "Make Script"),
     QT_TRANSLATE_NOOP("Commands", "Make %1 into a logon script"), HelpNames::DocumentFile},
    {Command::ExecuteScript, "mnuExecute", QT_TRANSLATE_NOOP("Commands", "E&xecute Script"), "F5",
     "", "", "Execute", 9, QT_TRANSLATE_NOOP("Commands", "Execute (F5)"),
     QT_TRANSLATE_NOOP("Commands", "Execute"), QT_TRANSLATE_NOOP("Commands", "Execute %1"),
     HelpNames::DocumentFile},
    {Command::Toolbar, "mnuToolbar", QT_TRANSLATE_NOOP("Commands", "Float &Toolbar"), "", "", "",
     "ToolbarBut", 10, QT_TRANSLATE_NOOP("Commands", "Float Toolbar"),
     QT_TRANSLATE_NOOP("Commands", "Dock Toolbar"),
     QT_TRANSLATE_NOOP("Commands", "Float the toolbar")},
    {Command::HelpTopics, "mnuHelpTop", QT_TRANSLATE_NOOP("Commands", "Help &Topics"), "F1", "", "",
     "", 0, "", ""},
    {Command::About, "mnuAbout", QT_TRANSLATE_NOOP("Commands", "&About"), "", "", "", "", 0, "",
     ""},
    {Command::CheckScript, "mnuCheck", QT_TRANSLATE_NOOP("Commands", "&Check Script"), "", "", "",
     "", 0, "", ""},
    // The Edit menu's Undo and Redo add what they undo or redo to their captions.
    {Command::Undo, "mnuUndo", QT_TRANSLATE_NOOP("Commands", "&Undo"), "Ctrl+Z", "", "", "", 0, "",
     ""},
    {Command::Redo, "mnuRedo", QT_TRANSLATE_NOOP("Commands", "&Redo"), "Ctrl+Shift+Z; Ctrl+Y", "",
     "", "", 0, "", ""},
    {Command::Copy, "mnuCopy", QT_TRANSLATE_NOOP("Commands", "&Copy"), "Ctrl+C", "", "", "", 0, "",
     ""},
    {Command::Paste, "mnuPaste", QT_TRANSLATE_NOOP("Commands", "&Paste"), "Ctrl+V", "", "", "", 0,
     "", ""},
    {Command::ScriptView,
     "mnuScript",
     QT_TRANSLATE_NOOP("Commands", "&Script"),
     "",
     "",
     "",
     "",
     0,
     "",
     "",
     {},
     HelpNames::Nothing,
     true},
    {Command::Find, "mnuFind", QT_TRANSLATE_NOOP("Commands", "&Find"), "Ctrl+F", "", "", "", 0, "",
     ""},
    {Command::Compare, "mnuCompare", QT_TRANSLATE_NOOP("Commands", "&Compare with File on Disk"),
     "", "", "", "", 0, "", ""},
}};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        if (static_cast<std::size_t>(kCommands[i].command) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InEnumOrder(), "a command's row is found by its value");

constexpr const CommandRow& RowOf(Command command) {
    return kCommands[static_cast<std::size_t>(command)];
}

constexpr std::size_t IndexOf(Command command) {
    return static_cast<std::size_t>(command);
}

// A command's text in the user's language.
inline QString CommandText(std::string_view text) {
    return Translated("Commands", text);
}

// What a screen reader calls a toolbar's button, whose face is a picture: the caption of its
// command's menu item, without the access key's mark; the floating toolbar's own button says
// what it does there.
inline QString ButtonName(const CommandRow& row, Route route) {
    if (route == Route::FloatingToolbar && row.command == Command::Toolbar) {
        return CommandText(row.floatingTooltip);
    }
    return CommandText(row.menuCaption).remove(QLatin1Char('&'));
}

// The menus' items in order: commands, named separators, and the File menu's recent files.
enum class EntryKind { Command, Separator, RecentFiles, RecentSeparator };

struct MenuEntry {
    EntryKind kind = EntryKind::Command;
    Command command = Command::New;
    std::string_view name;  // a separator's name
};

constexpr MenuEntry Item(Command command) {
    return {EntryKind::Command, command, {}};
}
constexpr MenuEntry Separator(std::string_view name) {
    return {EntryKind::Separator, Command::New, name};
}

enum class MenuId { File, Edit, View, Tools, Help, PopUp };
inline constexpr std::size_t kMenuCount = 6;

inline constexpr std::array<MenuEntry, 10> kFileEntries = {{
    Item(Command::New),
    Item(Command::Open),
    Separator("mnuSpacer3"),
    Item(Command::Save),
    Item(Command::SaveAs),
    Item(Command::Compare),
    Separator("mnuSpace2"),
    {EntryKind::RecentFiles, Command::New, "mnuRec"},
    {EntryKind::RecentSeparator, Command::New, "mnuRecSpace"},
    Item(Command::Exit),
}};

inline constexpr std::array<MenuEntry, 11> kEditEntries = {{
    Item(Command::Undo),
    Item(Command::Redo),
    Separator("mnuEditSpace"),
    Item(Command::Copy),
    Item(Command::Paste),
    Separator("mnuEditSpace1"),
    Item(Command::Up),
    Item(Command::Down),
    Item(Command::Clear),
    Separator("mnuEditSpace2"),
    Item(Command::Find),
}};

inline constexpr std::array<MenuEntry, 1> kViewEntries = {{
    Item(Command::ScriptView),
}};

inline constexpr std::array<MenuEntry, 10> kToolsEntries = {{
    Item(Command::Add),
    Item(Command::Remove),
    Item(Command::ExecuteAction),
    Item(Command::Properties),
    Separator("mnuSpace"),
    Item(Command::Make),
    Item(Command::ExecuteScript),
    Item(Command::CheckScript),
    Separator("mnuSpace1"),
    Item(Command::Toolbar),
}};

inline constexpr std::array<MenuEntry, 3> kHelpEntries = {{
    Item(Command::HelpTopics),
    Separator("mnuSpace4"),
    Item(Command::About),
}};

inline constexpr std::array<MenuEntry, 8> kPopUpEntries = {{
    Item(Command::Add),
    Item(Command::Remove),
    Item(Command::Clear),
    Separator("mnuSpacers"),
    Item(Command::ExecuteAction),
    Item(Command::Properties),
    Separator("mnuSpacer2"),
    Item(Command::Exit),
}};

// The toolbars' fourteen positions, from 1; a gap offers no command.
inline constexpr std::array<std::optional<Command>, 14> kToolbarPositions = {{
    std::nullopt,
    Command::Open,
    Command::Save,
    std::nullopt,
    Command::Add,
    Command::Remove,
    Command::Properties,
    Command::Up,
    Command::Down,
    std::nullopt,
    Command::ExecuteScript,
    Command::Make,
    std::nullopt,
    Command::Toolbar,
}};

// Keys the list answers while it has the focus, besides the menus' shortcuts (the moves'
// Alt+Up and Alt+Down are the Edit menu's): each runs its command, or opens the right-click
// menu at the selected action.
struct ListKey {
    std::string_view keys;  // QKeySequence's portable form, separated by "; "
    std::optional<Command> command;
};

inline constexpr std::array<ListKey, 3> kListKeys = {{
    {"Del", Command::Remove},
    {"Return; Enter", Command::Properties},
    {"Shift+F10; Menu", std::nullopt},
}};

}  // namespace kestrune
