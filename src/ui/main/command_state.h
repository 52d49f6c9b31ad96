#pragma once

// Which toolbar buttons can be used, worked out from the list alone: its size, the
// selected row and whether the document names a file. "Open", "Add" and "ToolbarBut" are
// always usable and not part of it.

#include <cstddef>
#include <optional>
#include <string>

#include "core/action.h"
#include "ui/main/command_table.h"

namespace kestrune {

struct ToolbarEnabling {
    bool save = false;
    bool remove = false;
    bool properties = false;
    bool up = false;
    bool down = false;
    bool execute = false;
    bool make = false;

    bool operator==(const ToolbarEnabling&) const = default;

    // Hands each governed button's command and whether it is usable to apply, in one place
    // for both toolbars.
    template <typename Apply>
    void forEachButton(Apply&& apply) const {
        apply(Command::Up, up);
        apply(Command::Down, down);
        apply(Command::Remove, remove);
        apply(Command::Properties, properties);
        apply(Command::ExecuteScript, execute);
        apply(Command::Make, make);
        apply(Command::Save, save);
    }
};

// What becomes of the status text and of the floating toolbar's caption.
enum class TextChange { Keep, DocumentPath, FloatingCaption, SelectedAction };

struct CommandStateInput {
    std::size_t count = 0;
    std::optional<std::size_t> selected;  // row from 0
    bool namesFile = false;               // the document path names a file
    bool floatingShown = false;
};

struct CommandState {
    ToolbarEnabling buttons;
    TextChange status = TextChange::Keep;
    // FloatingCaption sets the floating toolbar's own caption "Toolbar".
    TextChange floatingCaption = TextChange::Keep;
};

CommandState ComputeCommandState(const CommandStateInput& input);

}  // namespace kestrune
