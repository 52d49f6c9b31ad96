#include <cerrno>
#include <new>

#include "core/action.h"
#include "core/cp1252_text.h"
#include "core/details.h"
#include "files/file_io.h"
#include "files/file_state.h"
#include "files/messages.h"
#include "files/template_format.h"

namespace kestrune {

namespace {

constexpr std::string_view kEol = "\r\n";

void line(std::string& out, std::string_view a, std::string_view b = {}) {
    out.append(a);
    out.append(b);
    out.append(kEol);
}

// The text from the given 0-based position on, trimmed; empty past the end.
std::string_view fromPosition(std::string_view text, std::size_t pos) {
    return pos < text.size() ? trimmed(text.substr(pos)) : std::string_view{};
}

void driveLine(std::string& out, std::string_view d) {
    const auto letter = MappedDriveLetter(d);
    line(out, "local=", letter ? std::string_view(&*letter, 1) : std::string_view("*"));
}

// Appends one action's section; why it can't, when its share can't be found.
std::optional<Refusal> appendSection(std::string& out, const ActionRef& action) {
    const std::string_view d = trimmed(action.details);
    if (action.kind == kind::kMapDrive) {
        if (IsHomeMapping(d)) {
            line(out, "[home]");
        } else {
            const auto share = MappedShare(d);
            if (!share) {
                return Refusal::NoShare;
            }
            line(out, "[map]");
            line(out, "remote=", *share);
        }
        driveLine(out, d);
    } else if (action.kind == kind::kMapPrinter) {
        const auto share = PrinterShare(d);
        if (!share) {
            return Refusal::PrinterWithoutShare;
        }
        line(out, "[printer]");
        line(out, "remote=", *share);
        if (const auto port = PrinterPort(d)) {
            line(out, "port=", std::to_string(*port));
        }
    } else if (action.kind == kind::kRunApplication) {
        line(out, "[app]");
        line(out, IsRemoteApplication(d) ? "remote=" : "local=", PrefixedPath(d));
    } else if (action.kind == kind::kMergeRegistry) {
        line(out, "[reg]");
        if (IsRemoteRegistry(d)) {
            line(out, "remote=", fromPosition(d, details::kRemotePrefix.size()));
        } else {
            line(out, "local=", fromPosition(d, details::kLocalPrefix.size()));
        }
    } else if (action.kind == kind::kDisplayMessage) {
        line(out, "[motd]");
        line(out, "local=", MessagePath(d));
    } else if (action.kind == kind::kOther) {
        line(out, "[other]");
        // The command as it was read, blanks included (see the reader).
        line(out, "command=", action.details);
    }
    out.append(kEol);
    return std::nullopt;
}

}  // namespace

RenderedFile renderTemplate(const ActionList& list) {
    RenderedFile file;
    std::size_t estimate = 64;
    for (const auto& action : list) {
        estimate += action.details.size() + 24;
    }
    file.bytes.reserve(estimate);
    line(file.bytes, kTemplateFirstLine);
    file.bytes.append(kEol);
    for (std::size_t row = 0; row < list.size(); ++row) {
        const std::size_t start = file.bytes.size();
        auto refusal = appendSection(file.bytes, list[row]);
        // A file the readers would refuse is never written.
        if (!refusal && file.bytes.size() > kMaxInputBytes) {
            refusal = Refusal::TooLarge;
            file.bytes.resize(start);
        }
        if (refusal) {
            file.failedRow = row;
            file.refusal = *refusal;
            break;
        }
    }
    return file;
}

std::string templateRefusedMessage(const std::string& path, const ActionList& list,
                                   const RenderedFile& file) {
    const std::size_t row = file.failedRow.value_or(0);
    if (file.refusal != Refusal::NoShare) {
        return messages::actionRefused(row, file.refusal, list[row].details);
    }
    const FileError error{EINVAL, "Action " + std::to_string(row + 1) +
                                      " names no network share beginning with \\\\: " +
                                      std::string(trimmed(list[row].details))};
    return messages::templateSaveFailed(path, error);
}

FileResult writeTemplateFile(const std::string& path, const ActionList& list) try {
    const auto file = renderTemplate(list);
    if (file.failedRow) {
        return {FileStatus::Failed, templateRefusedMessage(path, list, file)};
    }
    if (const auto error = writeFileSafely(path, file.bytes)) {
        return {FileStatus::Failed, messages::templateSaveFailed(path, *error)};
    }
    return {FileStatus::Ok, {}, writtenState(path, file.bytes)};
} catch (const std::bad_alloc&) {
    return {FileStatus::Failed, messages::templateSaveFailed(path, errorFromErrno(ENOMEM))};
}

}  // namespace kestrune
