#pragma once

// The batch script (.bat): "@echo off", "rem - Created with Kestrune", then the command
// lines of each action, each action followed by an empty line. Lines end with CR LF.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_list.h"
#include "files/file_result.h"
#include "files/template_format.h"

namespace kestrune {

inline constexpr std::string_view kScriptBanner = "rem - Created with Kestrune";

// Appends the command lines the action becomes in a script, each ending with CR LF: its own
// line (two for a message), after what its condition puts before it (condition_lines.h).
// False when the action can't be written: a drive or printer mapping names no share, a drive
// is no letter, a share or path holds a double quote, options are on a printer without a
// port or can't be read, a condition breaks a rule of its own; why goes to refusal when
// given. out then ends with the line as far as it had been built («NET USE H: »), without
// its line end. followsCaret: the line before it ends with "^" and goes on into its first.
bool appendScriptLines(const ActionRef& action, std::string& out, Refusal* refusal = nullptr,
                       bool followsCaret = false);
// The first command line of the action itself, as trying it starts it: without its
// condition, which is not tested there. None, with why in refusal when given, when the
// action can't be written.
std::optional<std::string> firstScriptLine(const ActionRef& action, Refusal* refusal = nullptr);

// On a failed row, the bytes end with the unfinished line of that row.
RenderedFile renderScript(const ActionList& list);
// The actions' lines alone, without "@echo off" and the banner, as a trial run uses them.
RenderedFile renderScriptBody(const ActionList& list);
// Where one action's command lines lie in a rendered script: from line first (counted from
// 0), count lines, the empty line after them not included. An action the writer refuses
// writes nothing and keeps the line as far as it had been built.
struct ScriptLines {
    std::size_t first = 0;
    std::size_t count = 0;
    std::optional<std::string> refused;
    Refusal refusal = Refusal::NoShare;  // why, when refused
};
struct MappedScript {
    std::string bytes;
    std::vector<ScriptLines> actions;  // one per action, in list order
};
// The script as renderScript writes it, with each action's lines; it goes on past an action
// the writer refuses, so that one bad action doesn't hide the rest.
MappedScript renderMappedScript(const ActionList& list);

// What writing to path tells when the rendering stopped at an action (file.failedRow).
Message scriptRefusedMessage(const std::string& path, const ActionList& list,
                             const RenderedFile& file);

// Writes the list as a batch script, replacing the file only once all of it is written.
// An empty path (after trimming) does nothing.
FileResult writeScriptFile(const std::string& path, const ActionList& list);

// Replaces the list by the actions of the script held in bytes. Every readable script
// reads whole: lines the reader doesn't take apart become "Other" actions unchanged. A
// script that would give more than kMaxInputActions stops there, Failed with no message
// (the callers below name the file).
FileResult parseScript(std::string_view bytes, ActionList& list);
// Files over kMaxInputBytes are refused unread; running out of memory is a failed read.
FileResult readScriptFile(const std::string& path, ActionList& list);
// The same for an open stream (standard input); name stands for it in messages.
FileResult readScriptStream(std::FILE* stream, const std::string& name, ActionList& list);

}  // namespace kestrune
