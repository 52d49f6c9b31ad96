#pragma once

// Trying actions on this machine. ExecuteAction starts the selected action's command line
// as a program; ExecuteScript writes the whole list to "temp.bat" in the program's folder,
// after the network warning, and hands that file to the shell.

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace kestrune {

class ActionList;
class ProgramStarter;
class Prompts;
class SettingsStore;
class ShellOpener;

// What trying actions needs from the main window and the system.
struct TrialContext {
    const ActionList& list;
    SettingsStore& settings;  // "Warning"/"Warn"
    Prompts& prompts;
    ProgramStarter& programs;
    ShellOpener& shell;
    // Where "temp.bat" is written: the program's folder, or the user's data folder that
    // stands in for it (TemporaryScriptFolder).
    QString programFolder;
    QWidget* window = nullptr;  // the warning's owner
    // The main toolbar's "Execute" button: off while the file is written and handed over.
    std::function<void(bool enabled)> setExecuteEnabled;
    // The window's UpdateCommandState, called after every try of one action.
    std::function<void()> updateCommandState;
    // False when that folder is not safe to write into (not the user's own): the run fails
    // as when the file can't be created.
    bool programFolderUsable = true;
    // The window's status text, which says when trying an action left its condition untested.
    std::function<void(const QString& text)> setStatusText{};
};

enum class TrialOutcome {
    Nothing,    // an empty list: there was nothing to try
    Cancelled,  // the warning was cancelled: nothing written, nothing run
    Started,    // the program or the shell took it
    Failed,     // a message said what went wrong
};

// The temporary batch file's path: the program's folder and "temp.bat".
QString TemporaryScriptPath(const QString& programFolder);

TrialOutcome ExecuteAction(const TrialContext& context, std::optional<std::size_t> selectedRow);
TrialOutcome ExecuteScript(const TrialContext& context);

}  // namespace kestrune
