#pragma once

// What writing a document back over its file would change: the file's bytes beside the bytes
// a save writes for its actions, a batch script or a template by the document's kind. The
// window's comparison and kestrune-cli diff both go through here.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/action_list.h"
#include "files/document_reader.h"
#include "files/file_io.h"
#include "files/template_format.h"

namespace kestrune {

// The bytes a save writes for the list; on an action the writer refuses, file.failedRow
// says which.
RenderedFile renderDocument(const ActionList& list, DocumentFormat format);
// What writing to path tells when the rendering stopped at an action.
Message refusedMessage(const std::string& path, const ActionList& list, const RenderedFile& file,
                       DocumentFormat format);

// Whether a script holds the line the script writer begins every script with ("rem - Created
// with Kestrune"), in any case and with blanks around it, as the reader passes over it.
bool hasScriptBanner(std::string_view bytes);

// What a read of path tells when its bytes could not be read (not found, failed, too large);
// none when they were read.
std::optional<FileResult> unreadable(const FileBytes& file, const std::string& path,
                                     DocumentFormat format);

// A document read as readDocument reads it, keeping the bytes it was read from.
struct DocumentBytes {
    DocumentRead read;
    std::string bytes;
};
DocumentBytes readDocumentBytes(const std::string& path, ActionList& list, bool asTemplate,
                                std::FILE* stream = nullptr);

}  // namespace kestrune
