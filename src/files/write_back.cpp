#include "files/write_back.h"

#include <cerrno>
#include <new>

#include "core/cp1252_text.h"
#include "files/line_cursor.h"
#include "files/messages.h"
#include "files/script_format.h"

namespace kestrune {

RenderedFile renderDocument(const ActionList& list, DocumentFormat format) {
    return format == DocumentFormat::Script ? renderScript(list) : renderTemplate(list);
}

Message refusedMessage(const std::string& path, const ActionList& list, const RenderedFile& file,
                       DocumentFormat format) {
    return format == DocumentFormat::Script ? scriptRefusedMessage(path, list, file)
                                            : templateRefusedMessage(path, list, file);
}

bool hasScriptBanner(std::string_view bytes) {
    LineCursor cursor(bytes);
    std::string_view line;
    while (cursor.next(line)) {
        const std::string_view text = trimmed(line);
        if (text.size() == kScriptBanner.size() && lowerCased(text) == lowerCased(kScriptBanner)) {
            return true;
        }
    }
    return false;
}

std::optional<FileResult> unreadable(const FileBytes& file, const std::string& path,
                                     DocumentFormat format) {
    const bool script = format == DocumentFormat::Script;
    if (!file.found) {
        return FileResult{FileStatus::NotFound, script ? messages::scriptNotFound(path)
                                                       : messages::templateNotFound(path)};
    }
    if (file.error) {
        return FileResult{FileStatus::Failed,
                          script ? messages::scriptReadFailed(path, *file.error)
                                 : messages::templateReadFailed(path, "", *file.error)};
    }
    if (file.tooLarge) {
        return FileResult{FileStatus::Failed, messages::fileTooLarge(path, file.size)};
    }
    return std::nullopt;
}

DocumentBytes readDocumentBytes(const std::string& path, ActionList& list, bool asTemplate,
                                std::FILE* stream) {
    DocumentBytes out;
    const DocumentFormat format = ReadFormatOf(path, asTemplate);
    out.read.format = format;
    try {
        FileBytes file = stream != nullptr ? readStreamBytes(stream) : readFileBytes(path);
        if (auto failed = unreadable(file, path, format)) {
            list.clear();
            out.read.result = std::move(*failed);
            return out;
        }
        out.read.result = format == DocumentFormat::Script ? parseScript(file.bytes, list)
                                                           : parseTemplate(file.bytes, path, list);
        // The script parser stops at the limit without naming the file.
        if (list.size() > kMaxInputActions) {
            list.clear();
            out.read.result = {FileStatus::Failed,
                               messages::tooManyActions(path, file.bytes.size())};
        }
        out.bytes = std::move(file.bytes);
    } catch (const std::bad_alloc&) {
        list.clear();
        const FileError error = errorFromErrno(ENOMEM);
        out.read.result = {FileStatus::Failed, format == DocumentFormat::Script
                                                   ? messages::scriptReadFailed(path, error)
                                                   : messages::templateReadFailed(path, "", error)};
        out.bytes.clear();
    }
    return out;
}

}  // namespace kestrune
