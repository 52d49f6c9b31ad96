#pragma once

// Copy and paste of actions as batch lines: what is copied is what Make Script writes for
// the action, and what is pasted is read as the batch script reader reads a file, so that
// lines from a script, a text editor or a mail become actions.

#include <QString>
#include <optional>
#include <vector>

#include "core/action_list.h"

namespace kestrune {

// The action's lines, each ending in a line feed; none when the writer refuses the action.
std::optional<QString> ScriptTextOf(const ActionRef& action);

// The actions the script reader makes of text; empty when the text holds none or can't be
// read.
std::vector<Action> ActionsFromScriptText(const QString& text);

}  // namespace kestrune
