#include <array>
#include <cerrno>
#include <new>

#include "core/action.h"
#include "core/action_options.h"
#include "core/cp1252_text.h"
#include "core/details.h"
#include "files/condition_lines.h"
#include "files/file_io.h"
#include "files/file_state.h"
#include "files/messages.h"
#include "files/net_use_grammar.h"
#include "files/program_lines.h"
#include "files/script_format.h"

namespace kestrune {

namespace {

constexpr std::string_view kEol = "\r\n";

// A double quote can't be part of a Windows path, and inside the quotes the line puts
// around it, it would end them and let the rest run as commands.
bool quotable(std::string_view text) {
    return text.find('"') == std::string_view::npos;
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The NET USE line of a drive or printer mapping or a disconnection, without its line end.
std::optional<Refusal> appendNetUse(std::string& out, std::string_view kind,
                                    const DetailsParts& parts) {
    const ActionOptions& options = *parts.options;
    out.append("NET USE ");
    if (const auto& off = parts.disconnection) {
        switch (off->target) {
            case Disconnection::Target::Drive:
                out.push_back(off->letter);
                out.push_back(':');
                break;
            case Disconnection::Target::All:
                out.push_back('*');
                break;
            case Disconnection::Target::Printer:
                out.append("LPT").push_back(static_cast<char>('0' + off->port));
                break;
        }
        out.append(" /DELETE");
    } else if (kind == kind::kMapDrive) {
        const auto letter = MappedDriveLetter(parts.base);
        // Anything else before the colon would be cmd.exe's to act on, or pair quotes.
        if (letter && !isLetter(*letter)) {
            return Refusal::DriveNotLetter;
        }
        if (letter) {
            out.push_back(*letter);
            out.push_back(':');
        } else {
            out.push_back('*');
        }
        if (parts.set == OptionSet::Home) {
            out.append(" /HOME");
        } else {
            out.push_back(' ');
            const auto share = MappedShare(parts.base);
            if (!share) {
                return Refusal::NoShare;
            }
            if (!quotable(*share)) {
                return Refusal::QuoteInPath;
            }
            AppendNetUseShare(out, *share);
        }
    } else {
        const auto port = PrinterPort(parts.base);
        if (port) {
            out.append("LPT").append(std::to_string(*port)).append(" ");
        }
        const auto share = PrinterShare(parts.base);
        if (!share) {
            return Refusal::PrinterWithoutShare;
        }
        if (!quotable(*share)) {
            return Refusal::QuoteInPath;
        }
        // Without a port the line names no device, and a switch would be read as its own.
        if (!port && !options.empty()) {
            return Refusal::OptionsNeedPort;
        }
        AppendNetUseShare(out, *share);
    }
    AppendNetUseSwitches(out, options);
    return std::nullopt;
}

// The action's own lines, without its condition.
bool appendOwnLines(const ActionRef& action, std::string& out, Refusal* refusal) {
    const auto refuse = [refusal](Refusal why) {
        if (refusal != nullptr) {
            *refusal = why;
        }
        return false;
    };
    const DetailsParts parts = SplitDetails(action.kind, action.details);
    if (!parts.options) {
        return refuse(Refusal::UnreadableOptions);
    }
    const std::string_view d = parts.base;
    if (action.kind == kind::kMapDrive || action.kind == kind::kMapPrinter) {
        if (const auto why = appendNetUse(out, action.kind, parts)) {
            return refuse(*why);
        }
    } else if (action.kind == kind::kRunApplication || action.kind == kind::kMergeRegistry) {
        Refusal why = Refusal::QuoteInPath;
        if (!AppendProgramLine(out, PrefixedPath(d), *parts.options, why)) {
            return refuse(why);
        }
    } else if (action.kind == kind::kDisplayMessage) {
        out.append("type \"");
        const auto path = MessagePath(d);
        if (!quotable(path)) {
            return refuse(Refusal::QuoteInPath);
        }
        out.append(path).append("\"").append(kEol);
        out.append("pause");
    } else if (action.kind == kind::kOther) {
        // The command as it was read: a trailing blank may belong to a value it sets, and
        // the line after a continued one keeps its leading blanks.
        out.append(action.details);
    } else {
        return true;
    }
    out.append(kEol);
    return true;
}

bool isKnownKind(std::string_view kind) {
    for (const std::string_view label : kKindLabels) {
        if (kind == label) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool appendScriptLines(const ActionRef& action, std::string& out, Refusal* refusal,
                       bool followsCaret) {
    if (action.condition.empty()) {
        return appendOwnLines(action, out, refusal);
    }
    if (const auto why = ConditionRefusal(action, followsCaret)) {
        if (refusal != nullptr) {
            *refusal = *why;
        }
        return false;
    }
    if (!isKnownKind(action.kind)) {
        return true;  // writes nothing, under a condition or not
    }
    AppendConditionHead(out, *ParseCondition(action.condition));
    if (action.kind == kind::kDisplayMessage) {
        // Its type and pause lines go into a block, both or neither run.
        out.append("(").append(kEol);
        if (!appendOwnLines(action, out, refusal)) {
            return false;
        }
        out.append(")").append(kEol);
        return true;
    }
    ActionRef own = action;
    if (action.kind == kind::kOther) {
        // Blanks between the head and the command mean nothing to cmd.exe.
        own.details = action.details.substr(action.details.find_first_not_of(" \t"));
    }
    return appendOwnLines(own, out, refusal);
}

std::optional<std::string> firstScriptLine(const ActionRef& action, Refusal* refusal) {
    std::string lines;
    if (!appendOwnLines(action, lines, refusal)) {
        return std::nullopt;
    }
    return lines.substr(0, lines.find(kEol));
}

namespace {

std::size_t countLines(std::string_view text) {
    std::size_t lines = 0;
    for (auto at = text.find(kEol); at != std::string_view::npos; at = text.find(kEol, at + 2)) {
        ++lines;
    }
    return lines;
}

// With map, a refused action writes nothing and the rest follows; without, the file stops
// at it as writing does.
RenderedFile render(const ActionList& list, bool withHeader,
                    std::vector<ScriptLines>* map = nullptr) {
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
    // A line ending in "^" goes on in the next one, so no empty line may come between
    // them; nor after an empty line that follows it, whose line end the "^" escaped.
    bool continued = false;
    std::size_t line = withHeader ? 4 : 0;
    if (map != nullptr) {
        map->assign(list.size(), {});
    }
    for (std::size_t row = 0; row < list.size(); ++row) {
        const auto start = file.bytes.size();
        Refusal refusal = Refusal::NoShare;
        if (!appendScriptLines(list[row], file.bytes, &refusal, continued)) {
            if (map == nullptr) {
                file.failedRow = row;
                file.refusal = refusal;
                break;
            }
            (*map)[row] = {line, 0, file.bytes.substr(start), refusal};
            file.bytes.resize(start);
            continue;
        }
        const std::string_view lines = std::string_view(file.bytes).substr(start);
        const bool endsInCaret = lines.ends_with("^\r\n");
        const bool emptyLineAfter = !endsInCaret && !(continued && lines == kEol);
        // A file the readers would refuse is never written; the bytes end with the action's
        // first line, unfinished, as for any action refused. (The script view shows it all.)
        if (map == nullptr &&
            file.bytes.size() + (emptyLineAfter ? kEol.size() : 0) > kMaxInputBytes) {
            file.failedRow = row;
            file.refusal = Refusal::TooLarge;
            file.bytes.resize(start + lines.find(kEol));
            break;
        }
        if (map != nullptr) {
            const std::size_t count = countLines(lines);
            (*map)[row] = {line, count, std::nullopt};
            line += count;
        }
        if (emptyLineAfter) {
            file.bytes.append(kEol);
            ++line;
        }
        continued = endsInCaret;
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

MappedScript renderMappedScript(const ActionList& list) {
    MappedScript mapped;
    mapped.bytes = render(list, true, &mapped.actions).bytes;
    return mapped;
}

Message scriptRefusedMessage(const std::string& path, const ActionList& list,
                             const RenderedFile& file) {
    const std::size_t row = file.failedRow.value_or(0);
    if (file.refusal != Refusal::NoShare) {
        return messages::actionRefused(row, file.refusal, list[row].details);
    }
    return messages::scriptSaveFailed(path);
}

FileResult writeScriptFile(const std::string& path, const ActionList& list) {
    if (trimmed(path).empty()) {
        return {};
    }
    try {
        const auto file = renderScript(list);
        if (file.failedRow) {
            return {FileStatus::Failed, scriptRefusedMessage(path, list, file)};
        }
        if (const auto error = writeFileSafely(path, file.bytes)) {
            return {FileStatus::Failed, messages::scriptSaveFailed(path, error)};
        }
        return {FileStatus::Ok, {}, writtenState(path, file.bytes)};
    } catch (const std::bad_alloc&) {
        return {FileStatus::Failed, messages::scriptSaveFailed(path, errorFromErrno(ENOMEM))};
    }
    return {};
}

}  // namespace kestrune
