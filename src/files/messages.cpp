#include "files/messages.h"

#include <cerrno>

#include "core/cp1252_text.h"
#include "files/file_io.h"

namespace kestrune::messages {

namespace {

// What an error of the file layer says: the system's words, or the program's own.
Message description(const FileError& error) {
    return error.said != MessageId::Verbatim ? Say(error.said) : Verbatim(error.description);
}

}  // namespace

Message invalidFileFormat() {
    return Say(MessageId::InvalidFileFormat);
}

Message templateNotFound(std::string_view path) {
    return Say(MessageId::TemplateNotFound, path);
}

Message templateReadFailed(std::string_view path, std::string_view lastLine,
                           const FileError& error) {
    return Say(MessageId::TemplateReadFailed, path, DocumentText(lastLine),
               std::to_string(error.number), description(error));
}

namespace {

Message templateSaveFailed(std::string_view path, int number, Message description,
                           std::string_view keptIn) {
    if (keptIn.empty()) {
        return Say(MessageId::TemplateSaveFailed, path, std::to_string(number),
                   std::move(description));
    }
    return Say(MessageId::TemplateSaveFailedKept, path, std::to_string(number),
               std::move(description), keptIn);
}

}  // namespace

Message templateSaveFailed(std::string_view path, const FileError& error) {
    return templateSaveFailed(path, error.number, description(error), error.keptIn);
}

Message templateWithoutShare(std::string_view path, std::size_t row, std::string_view details) {
    return templateSaveFailed(
        path, EINVAL,
        Say(MessageId::NoShareNamed, std::to_string(row + 1), DocumentText(trimmed(details))), {});
}

Message scriptNotFound(std::string_view path) {
    return Say(MessageId::ScriptNotFound, path);
}

Message scriptReadFailed(std::string_view path, const FileError& error) {
    return Say(MessageId::ScriptReadFailed, path, std::to_string(error.number), description(error));
}

Message scriptSaveFailed(std::string_view path, const std::optional<FileError>& error) {
    if (!error) {
        return Say(MessageId::ScriptSaveFailed, path);
    }
    if (error->keptIn.empty()) {
        return Say(MessageId::ScriptSaveFailedBecause, path, description(*error));
    }
    return Say(MessageId::ScriptSaveFailedKept, path, description(*error), error->keptIn);
}

Message interruptedSave(std::string_view path, std::string_view copy) {
    return Say(MessageId::InterruptedSave, path, copy);
}

Message fileTooLarge(std::string_view path, std::optional<std::uint64_t> size) {
    const std::string limit = std::to_string(kMaxInputBytes);
    if (!size) {
        return Say(MessageId::StreamTooLarge, path, limit);
    }
    return Say(MessageId::FileTooLarge, path, std::to_string(*size), limit);
}

Message tooManyActions(std::string_view path, std::uint64_t size) {
    return Say(MessageId::TooManyActions, path, std::to_string(size),
               std::to_string(kMaxInputActions));
}

}  // namespace kestrune::messages
