#pragma once

// The lines of a logon script that run a program or merge a registry file: what the script
// reader takes apart, and what the script writer writes.
//
//   started      Start "" "PATH" [ARGS]      read: start [""] PATH [ARGS], PATH quoted or bare
//   waited for   "PATH" [ARGS]               read: PATH (quoted or bare) at the start of the
//                                            line, from \\, X:\ or %LOGONSERVER%\, with an
//                                            extension other than .bat or .cmd
//                call "PATH" [ARGS]          read: call PATH [ARGS], PATH a .bat or .cmd file
//   registry     reg import "PATH"           read: reg import PATH
//                regedit /s "PATH"           read: regedit[.exe] /s|-s PATH, PATH a .reg file
//
// A bare PATH followed by ARGS of a start line must have an extension; "start "PATH" ARGS"
// stays the line it is, its quoted word being the window's title, as does any START switch.
// A path from \\ or %LOGONSERVER%\ is remote, any other local.

#include <optional>
#include <string>
#include <string_view>

#include "core/action.h"
#include "core/action_options.h"
#include "files/write_refusal.h"

namespace kestrune {

struct ProgramLine {
    ActionKind kind = ActionKind::RunApplication;  // or MergeRegistry
    bool remote = false;
    std::string_view path;
    ActionOptions options;  // wait and arguments, or the merge method
};

// line: a whole line, trimmed, that holds no FOR variable. None when it is no such line.
std::optional<ProgramLine> ParseProgramLine(std::string_view line);

// Appends the line that starts path (without its line end) for a Run Application or Merge
// Registry action with these options. False, with why in refusal, when the path can't be
// written; out then ends with the line as far as it had been built.
bool AppendProgramLine(std::string& out, std::string_view path, const ActionOptions& options,
                       Refusal& refusal);

}  // namespace kestrune
