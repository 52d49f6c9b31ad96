#pragma once

// Making actions: the Details forms the producers write, the kind and picture that go with
// each, and the editor's fields taken out of an entry again. The readers and the editor
// share the forms; each keeps its own choice among them (the editor's "next available
// drive " with its blank, the template reader's "G:\ ", the script reader's printer on its
// port). Shares and paths are upper-cased here; drives, servers and commands are taken as
// given.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/action.h"
#include "core/action_options.h"

namespace kestrune {

// An action before its Details are joined: its kind, its picture, the pieces of its Details
// (those marked upper-cased), when above 0 a number after them, and the options, if any,
// after " with ". The *Action functions and the editor make an Action of a form; the readers
// write the same text with the writers of details_writers.h.
struct ActionForm {
    ActionKind kind = ActionKind::Other;
    ActionIcon icon = ActionIcon::Other;
    std::array<std::string_view, 4> parts{};
    std::uint8_t upper = 0;  // bit n set: parts[n] upper-cased
    int number = 0;
    const ActionOptions* options = nullptr;  // read while the form is written

    ActionForm& with(const ActionOptions& o) {
        options = &o;
        return *this;
    }

    void writeTo(std::string& out) const;
    Action toAction() const;
};

ActionForm MapDriveForm(std::string_view share, std::string_view drive);
ActionForm HomeMappingForm(std::string_view server, std::string_view drive);
ActionForm PrinterForm(std::string_view share, int port);
ActionForm PrinterOnPortForm(std::string_view share, std::string_view port);
ActionForm ApplicationForm(bool remote, std::string_view path);
ActionForm RegistryForm(bool remote, std::string_view path);
ActionForm MessageForm(std::string_view path);
ActionForm OtherForm(std::string_view command);
// letter: one character, upper-cased in Details.
ActionForm DisconnectDriveForm(std::string_view letter);
ActionForm DisconnectAllForm();
ActionForm DisconnectPrinterForm(int port);

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
    // the field keeps what the Home box put there; none for a disconnection too.
    std::optional<std::string> text;
    bool home = false;  // Map Drive: the Home box
    // Map Drive: "G:\" as shown; none: the next available drive, or all connections.
    std::optional<std::string> drive;
    bool server = false;  // Run Application, Merge Registry: from a server
    int port = 0;         // Map Printer: 1 to 9; 0 is none
    // What goes after " with "; those the page's base doesn't take are dropped.
    OwnedOptions options{};
    // Map Drive, Map Printer: the drive, all connections or the port is disconnected (a
    // printer's needs a port).
    bool disconnect = false;

    bool operator==(const EditorFields&) const = default;
};

// The entry an editor page makes of its fields, in the editor's forms.
Action EditorAction(std::string_view kind, const EditorFields& fields);
// An entry's Details taken apart for the page of its kind; none for a kind without a page
// and options that can't be read.
std::optional<EditorFields> EditorFieldsOf(const ActionRef& entry);

// The share an added action is worth offering again: a file's folder, or the mapped share
// or printer, from its first "\\" on, upper-cased; remembering it cuts it at its first
// blank. None when it names no share. Only the base of Details counts: arguments may name
// any share.
std::optional<std::string> ShareToRemember(const ActionRef& action);

}  // namespace kestrune
