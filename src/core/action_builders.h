#pragma once

// Making actions: the Details forms the producers write, the kind and picture that go with
// each, and the editor's fields taken out of an entry again. The readers and the editor
// share the forms; each keeps its own choice among them (the editor's "next available
// drive " with its blank, the template reader's "G:\ ", the script reader's printer on its
// port). Shares and paths are upper-cased here; drives, servers and commands are taken as
// given. The item key is the producer's own and is left empty.

#include <optional>
#include <string>
#include <string_view>

#include "core/action.h"

namespace kestrune {

// "Map " SHARE " as " DRIVE
Action MapDriveAction(std::string_view share, std::string_view drive);
// "Map home directory on " SERVER " as " DRIVE
Action HomeMappingAction(std::string_view server, std::string_view drive);
// "Map printer " SHARE, then " on LPT" and the port when port is greater than 0.
Action PrinterAction(std::string_view share, int port);
// "Map " SHARE " on " PORT, the port as the script names it ("LPT2").
Action PrinterOnPortAction(std::string_view share, std::string_view port);
// "Remote: " PATH or "Local: " PATH
Action ApplicationAction(bool remote, std::string_view path);
Action RegistryAction(bool remote, std::string_view path);
// "Display message from " PATH
Action MessageAction(std::string_view path);
// The command line itself.
Action OtherAction(std::string_view command);

// What the editor's page of a kind holds: its main field (share, path, printer or
// command) and the controls beside it.
struct EditorFields {
    // As typed. Taken out of a Map Drive entry it is none when Details names no share, and
    // the field keeps what the Home box put there.
    std::optional<std::string> text;
    bool home = false;                 // Map Drive: the Home box
    std::optional<std::string> drive;  // Map Drive: "G:\" as shown; none: next available
    bool server = false;               // Run Application: from a server
    int port = 0;                      // Map Printer: 1 to 9; 0 is none

    bool operator==(const EditorFields&) const = default;
};

// The entry an editor page makes of its fields, in the editor's forms. Its item key is the
// page's parameter text (the share or "the logon server", the message path, else the whole
// Details); the list makes it unique.
Action EditorAction(std::string_view kind, const EditorFields& fields);
// An entry's Details taken apart for the page of its kind; none for a kind without a page.
std::optional<EditorFields> EditorFieldsOf(const Action& entry);

// The share an added action is worth offering again: a file's folder, or the mapped share
// or printer, from its first "\\" on, upper-cased; remembering it cuts it at its first
// blank. None when it names no share.
std::optional<std::string> ShareToRemember(const Action& action);

}  // namespace kestrune
