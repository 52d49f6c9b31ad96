#pragma once

// Trying actions on this machine: the command line one action starts, and the batch file
// that runs the whole list. Both come from the same rules that write scripts.

#include <optional>
#include <string>
#include <string_view>

#include "core/action_list.h"
#include "core/message.h"
#include "files/write_refusal.h"

namespace kestrune {

inline constexpr std::string_view kTemporaryScriptName = "temp.bat";

// The command line that trying the action starts: the first line the script writer
// gives it. None when there is nothing to start (no share, or a kind it doesn't know); why
// goes to refusal when given and the writer refuses the action.
std::optional<std::string> ActionCommandLine(const ActionRef& action, Refusal* refusal = nullptr);

struct TemporaryScriptResult {
    bool written = false;
    // When not written: the line being written, as far as it had been built; empty when the
    // file could not be opened.
    std::string failedLine;
    // The action the writer refused, when that stopped the writing.
    std::optional<RefusedRow> refused;
};

// Writes the actions' lines, without a header, to the file at path, which is created or
// emptied first and never reached through a symbolic link. At an action whose line can't
// be built the writing stops: the lines before it stay in the file; lines that would make a
// file over kMaxInputBytes are not written at all.
TemporaryScriptResult WriteTemporaryScript(const std::string& path, const ActionList& list);

namespace run_messages {
Message actionFailed();
Message scriptStartFailed(std::string_view temporaryPath);
// line is document text, as the writer built it.
Message scriptWriteFailed(std::string_view line, std::string_view temporaryPath);
}  // namespace run_messages

}  // namespace kestrune
