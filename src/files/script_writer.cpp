#include <new>

#include "core/action.h"
#include "core/details.h"
#include "core/text8.h"
#include "files/file_io.h"
#include "files/messages.h"
#include "files/script_format.h"

namespace kestrune {

namespace {

constexpr std::string_view kEol = "\r\n";

// NET USE needs a share with blanks in double quotes.
void appendShare(std::string& out, std::string_view share) {
    const bool quote = share.find(' ') != std::string_view::npos;
    if (quote) {
        out.push_back('"');
    }
    out.append(share);
    if (quote) {
        out.push_back('"');
    }
}

// cmd.exe takes a first quoted argument of START as the window title, so an empty
// title goes first.
void appendStart(std::string& out, std::string_view path) {
    out.append("Start \"\" \"");
    out.append(path);
    out.append("\"");
}

}  // namespace

bool appendScriptLines(const Action& action, std::string& out) {
    const std::string_view d = trimmed(action.details);
    if (action.kind == kind::kMapDrive) {
        const auto letter = MappedDriveLetter(d);
        const std::string drive = letter ? std::string(1, *letter) + ":" : "*";
        if (IsHomeMapping(d)) {
            out.append("NET USE ").append(drive).append(" /HOME");
        } else {
            const auto share = MappedShare(d);
            if (!share) {
                return false;
            }
            out.append("NET USE ").append(drive).append(" ");
            appendShare(out, *share);
        }
    } else if (action.kind == kind::kMapPrinter) {
        const auto share = PrinterShare(d);
        if (!share) {
            return false;
        }
        out.append("NET USE ");
        if (const auto port = PrinterPort(d)) {
            out.append("LPT").append(std::to_string(*port)).append(" ");
        }
        appendShare(out, *share);
    } else if (action.kind == kind::kRunApplication || action.kind == kind::kMergeRegistry) {
        appendStart(out, PrefixedPath(d));
    } else if (action.kind == kind::kDisplayMessage) {
        out.append("type \"").append(MessagePath(d)).append("\"").append(kEol);
        out.append("pause");
    } else if (action.kind == kind::kOther) {
        out.append(d);
    } else {
        return true;
    }
    out.append(kEol);
    return true;
}

std::optional<std::string> firstScriptLine(const Action& action) {
    std::string lines;
    if (!appendScriptLines(action, lines)) {
        return std::nullopt;
    }
    return lines.substr(0, lines.find(kEol));
}

namespace {

RenderedFile render(const ActionList& list, bool withHeader) {
    RenderedFile file;
    std::size_t estimate = 64;
    for (const auto& action : list) {
        estimate += action.details.size() + 16;
    }
    file.bytes.reserve(estimate);
    if (withHeader) {
        file.bytes.append("@echo off\r\n\r\n");
        file.bytes.append(kScriptBanner).append(kEol).append(kEol);
    }
    for (std::size_t row = 0; row < list.size(); ++row) {
        if (!appendScriptLines(list[row], file.bytes)) {
            file.failedRow = row;
            break;
        }
        file.bytes.append(kEol);
    }
    return file;
}

}  // namespace

RenderedFile renderScript(const ActionList& list) {
    return render(list, true);
}

RenderedFile renderScriptBody(const ActionList& list) {
    return render(list, false);
}

FileResult writeScriptFile(const std::string& path, const ActionList& list) {
    if (trimmed(path).empty()) {
        return {};
    }
    try {
        const auto file = renderScript(list);
        if (file.failedRow) {
            return {FileStatus::Failed, messages::scriptSaveFailed(path)};
        }
        if (const auto error = writeFileSafely(path, file.bytes)) {
            return {FileStatus::Failed, messages::scriptSaveFailed(path, error->keptIn)};
        }
    } catch (const std::bad_alloc&) {
        return {FileStatus::Failed, messages::scriptSaveFailed(path)};
    }
    return {};
}

}  // namespace kestrune
