#pragma once

// Reading "a document": a template or a batch script, told apart by its name. The window's
// Open, its recent files, program entry and kestrune-cli all read through here, so that
// they agree on which reader a name gets. (Saving has a rule of its own: see
// IsBatchDocument and DocumentState::batchScript.)

#include <cstdio>
#include <string>

#include "core/action_list.h"
#include "files/file_result.h"

namespace kestrune {

enum class DocumentFormat { Template, Script };

struct DocumentRead {
    DocumentFormat format = DocumentFormat::Script;
    FileResult result;
};

// A name ending in ".lst" (any case, blanks around the name ignored) is read as a template,
// any other as a batch script; asTemplate reads any name as a template.
DocumentFormat ReadFormatOf(const std::string& name, bool asTemplate = false);

// Replaces the list by the document at path. With a stream (standard input, say) the
// stream is read instead and path only names it in messages.
DocumentRead readDocument(const std::string& path, ActionList& list, bool asTemplate = false,
                          std::FILE* stream = nullptr);

}  // namespace kestrune
