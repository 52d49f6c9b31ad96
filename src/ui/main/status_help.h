#pragma once

// The status help shown while the mouse rests on the toolbar.

#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "core/action_list.h"
#include "ui/main/command_table.h"

namespace kestrune {

struct ButtonSpan {
    std::optional<Command> command;  // none for a gap
    double left = 0;
    double width = 0;
    bool enabled = true;
};

// The command of the button under x, or none over a gap, a disabled button or nothing.
// Every button is tested; the last that holds x wins.
std::optional<Command> CommandAtX(const std::vector<ButtonSpan>& buttons, double x);

// The help for a button's command; no command, or one without help, gives the document
// path.
QString StatusHelp(std::optional<Command> command, std::string_view documentPath,
                   const ActionList& list, std::optional<std::size_t> selected);

}  // namespace kestrune
