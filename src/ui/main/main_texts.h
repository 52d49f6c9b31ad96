#pragma once

// The main window's own texts besides its commands' (command_table.h): menus, captions
// and messages, kept in one place so that the code and its tests read the same constant.
// What the user reads is marked for translation and shown through Tr(); names, keys and the
// document's own texts never are. "%1", "%2" stand for what a text names.

#include <QString>
#include <QtGlobal>
#include <array>
#include <string_view>

#include "core/action_list.h"
#include "core/document.h"
#include "platform/shown_text.h"
#include "platform/text_codec.h"

namespace kestrune::main_texts {

// The window's texts in the user's language.
inline QString Tr(std::string_view text) {
    return Translated("MainWindow", text);
}

struct Menu {
    std::string_view name;
    std::string_view caption;
    bool inMenuBar;  // false: only ever shown as a pop-up menu
};

inline constexpr Menu kFileMenu{"mnuFile", QT_TRANSLATE_NOOP("MainWindow", "&File"), true};
inline constexpr Menu kEditMenu{"mnuEdit", QT_TRANSLATE_NOOP("MainWindow", "&Edit"), true};
inline constexpr Menu kViewMenu{"mnuView", QT_TRANSLATE_NOOP("MainWindow", "&View"), true};
inline constexpr Menu kToolsMenu{"mnuTools", QT_TRANSLATE_NOOP("MainWindow", "&Tools"), true};
inline constexpr Menu kHelpMenu{"mnuHelp", QT_TRANSLATE_NOOP("MainWindow", "&Help"), true};
inline constexpr Menu kPopUpMenu{"popUpTool", "popUpTool", false};

inline constexpr int kRecentCount = 5;

inline constexpr std::string_view kDockToolbar = QT_TRANSLATE_NOOP("MainWindow", "Dock &Toolbar");

inline constexpr std::string_view kActionColumn = QT_TRANSLATE_NOOP("MainWindow", "Action");
inline constexpr std::string_view kConditionColumn = QT_TRANSLATE_NOOP("MainWindow", "Run if");
inline constexpr std::string_view kDetailsColumn = QT_TRANSLATE_NOOP("MainWindow", "Details");

// Status help over the toolbar (each button's own text is in its command's row): the
// selected action's name when there is none to name.
namespace help {
inline constexpr std::string_view kNoAction = QT_TRANSLATE_NOOP("MainWindow", "action");
}  // namespace help

inline constexpr std::string_view kFloatingCaption = QT_TRANSLATE_NOOP("MainWindow", "Toolbar");
// The status text when the action of a Check Script report's row (its number) has left the
// list since.
inline constexpr std::string_view kCheckedGone =
    QT_TRANSLATE_NOOP("MainWindow", "Action %1 of the report is no longer in the list.");
// The status text once Make Script has written its script: the script's path.
inline constexpr std::string_view kScriptMade = QT_TRANSLATE_NOOP("MainWindow", "Script made: %1");
// The placeholders of a document without a file (core/document.h), as the window names them.
inline constexpr std::string_view kBlankTemplate =
    QT_TRANSLATE_NOOP("MainWindow", "Blank Template");
inline constexpr std::string_view kNewTemplate = QT_TRANSLATE_NOOP("MainWindow", "New Template");
// The Edit menu's Undo and Redo with what they undo or redo: caption, then the step.
inline constexpr std::string_view kUndoWhat = QT_TRANSLATE_NOOP("MainWindow", "%1 %2");
// The script view's caption.
inline constexpr std::string_view kScriptCaption = QT_TRANSLATE_NOOP("MainWindow", "Script");
// Where the window title marks unsaved changes (Qt's window-modified mark).
inline constexpr std::string_view kModifiedMark = "[*]";
inline constexpr std::string_view kActionSeparator = " -- ";
// The selected action with its condition after it: " (if " CONDITION ")".
inline constexpr std::string_view kUnderCondition = QT_TRANSLATE_NOOP("MainWindow", "%1 (if %2)");

// The script view: how an action the writer refuses shows where its lines would be (the
// action as the status text names it), with the writer's reason when it gives one.
namespace script {
inline constexpr std::string_view kRefused =
    QT_TRANSLATE_NOOP("MainWindow", "!! Not written, the script can't hold it: %1");
inline constexpr std::string_view kRefusedBecause =
    QT_TRANSLATE_NOOP("MainWindow", "!! Not written, %1: %2");
// What a screen reader says of the lines shown in colour: the selected action's, lit, and
// the marked line of an action the script can't hold.
inline constexpr std::string_view kLitLine = QT_TRANSLATE_NOOP("MainWindow", "Selected action");
inline constexpr std::string_view kRefusedLine = QT_TRANSLATE_NOOP("MainWindow", "Not written");
inline constexpr std::string_view kLitRefusedLine =
    QT_TRANSLATE_NOOP("MainWindow", "Selected action, not written");
}  // namespace script

// The names assistive technology gives the parts of the window that show no caption of
// their own (the toolbar buttons are named after their commands' menu items).
namespace accessible {
inline constexpr std::string_view kList = QT_TRANSLATE_NOOP("MainWindow", "Actions");
inline constexpr std::string_view kScriptView = QT_TRANSLATE_NOOP("MainWindow", "Script");
inline constexpr std::string_view kToolbar = QT_TRANSLATE_NOOP("MainWindow", "Toolbar");
// The toolbar's own button for the buttons that don't fit, and the status bar's resize grip.
inline constexpr std::string_view kMoreButtons = QT_TRANSLATE_NOOP("MainWindow", "More buttons");
inline constexpr std::string_view kSizeGrip = QT_TRANSLATE_NOOP("MainWindow", "Resize window");
inline constexpr std::string_view kStatusBar = QT_TRANSLATE_NOOP("MainWindow", "Status");
inline constexpr std::string_view kFindField = QT_TRANSLATE_NOOP("MainWindow", "Find");
inline constexpr std::string_view kClearFind = QT_TRANSLATE_NOOP("MainWindow", "Clear");
}  // namespace accessible

// The find bar above the list.
namespace find {
inline constexpr std::string_view kCaption = QT_TRANSLATE_NOOP("MainWindow", "Find:");
inline constexpr std::string_view kNotFound =
    QT_TRANSLATE_NOOP("MainWindow", "No action holds this text.");
}  // namespace find

namespace message {
inline constexpr std::string_view kSaveSettingsFailed = QT_TRANSLATE_NOOP(
    "MainWindow", "An unexpected error occurred while saving settings in the system registry.");
inline constexpr std::string_view kRecentFilesFailed = QT_TRANSLATE_NOOP(
    "MainWindow",
    "An unexpected error occurred while saving or retrieving settings in the system registry.");
inline constexpr std::string_view kSaveChanges =
    QT_TRANSLATE_NOOP("MainWindow", "Save changes to %1 ?");
// A file read with a recovery copy beside it.
inline constexpr std::string_view kInterruptedSave = QT_TRANSLATE_NOOP(
    "MainWindow",
    "A save of %1 was interrupted; the file may be incomplete.\rDo you want to open the copy "
    "that was being saved?");
inline constexpr std::string_view kClearAll = QT_TRANSLATE_NOOP(
    "MainWindow", "Are you sure you want to clear all actions currently in the list?");
// Another program's change of the document's file.
inline constexpr std::string_view kChangedOverwrite = QT_TRANSLATE_NOOP(
    "MainWindow",
    "The file %1 has been changed by another program since it was opened.\rDo you want to "
    "overwrite it?");
inline constexpr std::string_view kChangedReload = QT_TRANSLATE_NOOP(
    "MainWindow", "The file %1 has been changed by another program.\rDo you want to reload it?");
inline constexpr std::string_view kChangedUnsaved = QT_TRANSLATE_NOOP(
    "MainWindow",
    "The file %1 has been changed by another program. Saving will ask before overwriting it.");
inline constexpr std::string_view kDeleted =
    QT_TRANSLATE_NOOP("MainWindow", "The file %1 was deleted on disk.");
inline constexpr std::string_view kDeletedWritten =
    QT_TRANSLATE_NOOP("MainWindow", "The file %1 was deleted on disk and has been written again.");
// Before the first save over a script the program did not write: the path, and how many
// lines change (one, or more).
inline constexpr std::string_view kNotWrittenBy = QT_TRANSLATE_NOOP(
    "MainWindow", "%1 was not written by Kestrune.\rSaving it will change %2 lines.");
inline constexpr std::string_view kNotWrittenByOneLine = QT_TRANSLATE_NOOP(
    "MainWindow", "%1 was not written by Kestrune.\rSaving it will change 1 line.");
}  // namespace message

// The file dialog's titles and filters (description and pattern pairs, patterns separated
// by ";"; the blanks before some bars are part of the descriptions shown). ".cmd" scripts
// are batch scripts as much as ".bat" ones.
namespace dialog {
inline constexpr std::string_view kOpenTitle = QT_TRANSLATE_NOOP("MainWindow", "Open Template");
inline constexpr std::string_view kSaveTitle = QT_TRANSLATE_NOOP("MainWindow", "Save Template");
inline constexpr std::string_view kMakeTitle = QT_TRANSLATE_NOOP("MainWindow", "Make Script");
inline constexpr std::string_view kOpenFilter = QT_TRANSLATE_NOOP(
    "MainWindow", "Logon Templates (*.lst)|*.lst|Batch Files (*.bat) |*.bat;*.cmd");
inline constexpr std::string_view kSaveFilter = QT_TRANSLATE_NOOP(
    "MainWindow", "Logon Templates (*.lst) |*.lst|Batch Files (*.bat) |*.bat;*.cmd");
inline constexpr std::string_view kScriptFilter =
    QT_TRANSLATE_NOOP("MainWindow", "Batch Files (*.bat) |*.bat;*.cmd");
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

// A document path (or its file name) as the window shows it: a placeholder in the user's
// language, a file's as it is.
inline QString ShownDocumentPath(std::string_view path) {
    if (path == kestrune::kBlankTemplate) {
        return Tr(kBlankTemplate);
    }
    if (path == kestrune::kNewTemplate) {
        return Tr(kNewTemplate);
    }
    return MixedText(path);
}

// An action as the status text and the floating toolbar's title name it: its kind as the
// list shows it, " -- ", its Details, and " (if " CONDITION ")" when it has one (the
// condition as the file holds it).
inline QString ShownAction(const ActionRef& action) {
    QString shown =
        KindLabel(action.kind) + Utf8Text(kActionSeparator) + FromCp1252(action.details);
    if (!action.condition.empty()) {
        shown = Tr(kUnderCondition).arg(shown, FromCp1252(action.condition));
    }
    return shown;
}

}  // namespace kestrune::main_texts
