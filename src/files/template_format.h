#pragma once

// The template file (.lst): the marker line, an empty line, then one section per action
// ("[map]", "[home]", "[printer]", "[app]", "[reg]", "[motd]", "[other]") with its key
// lines, each section followed by an empty line. Lines end with CR LF when written; when
// read, a line ends at CR LF, LF or CR.

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/action_list.h"
#include "files/file_result.h"
#include "files/write_refusal.h"

namespace kestrune {

inline constexpr std::string_view kTemplateMarker = "Logon Script Template File";
inline constexpr std::string_view kTemplateFirstLine = "// Logon Script Template File";
// The first line of a file that holds an action with options or a disconnection, each in a
// section an older version skips whole.
inline constexpr std::string_view kTemplateVersion2Line =
    "// Logon Script Template File, version 2";

// Replaces the list by the template held in bytes; path only names the file in messages.
// Actions read before a failure stay in the list, except past kMaxInputActions, where the
// read stops and the file is refused.
FileResult parseTemplate(std::string_view bytes, std::string_view path, ActionList& list);
// Files over kMaxInputBytes are refused unread; running out of memory is a failed read.
FileResult readTemplateFile(const std::string& path, ActionList& list);
// The same for an open stream (standard input); name stands for it in messages.
FileResult readTemplateStream(std::FILE* stream, const std::string& name, ActionList& list);

struct RenderedFile {
    std::string bytes;
    std::optional<std::size_t> failedRow;  // the action that could not be written
    Refusal refusal = Refusal::NoShare;    // and why
};

RenderedFile renderTemplate(const ActionList& list);
// Writes the list as a template, replacing the file only once all of it is written.
FileResult writeTemplateFile(const std::string& path, const ActionList& list);

// What saving to path tells when the rendering stopped at an action (file.failedRow).
Message templateRefusedMessage(const std::string& path, const ActionList& list,
                               const RenderedFile& file);

}  // namespace kestrune
