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

// The keys of options, in the order they are written.
void optionLines(std::string& out, const ActionOptions& o) {
    if (!o.user.empty()) {
        line(out, "user=", o.user);
    }
    if (o.saveCredentials) {
        line(out, "savecred=yes");
    }
    if (o.persistent != Persistence::Unset) {
        line(out, "persistent=", o.persistent == Persistence::Yes ? "yes" : "no");
    }
    if (o.confirm) {
        line(out, "confirm=yes");
    }
    if (o.quiet) {
        line(out, "quiet=yes");
    }
    if (!o.arguments.empty()) {
        line(out, "arguments=", o.arguments);
    }
    if (o.wait) {
        line(out, "wait=yes");
    }
    if (o.method != MergeMethod::Start) {
        line(out, "method=", o.method == MergeMethod::RegImport ? "reg" : "regedit");
    }
}

// A section's header: the plain one, or its "+" form when the action carries options that
// an older reader must not take for a plain action.
void header(std::string& out, std::string_view name, bool extended) {
    out.append("[").append(name).append(extended ? "+]" : "]").append(kEol);
}

void unmapSection(std::string& out, const Disconnection& off) {
    line(out, "[unmap]");
    out.append("drive=");
    switch (off.target) {
        case Disconnection::Target::Drive:
            out.push_back(off.letter);
            break;
        case Disconnection::Target::All:
            out.push_back('*');
            break;
        case Disconnection::Target::Printer:
            out.append("LPT").push_back(static_cast<char>('0' + off.port));
            break;
    }
    out.append(kEol);
}

// Appends one action's section; why it can't, when its share can't be found. extended is
// set when the section is one an older version doesn't know: a conditioned action is always
// in one, so that an older version skips it instead of running it for everyone.
std::optional<Refusal> appendSection(std::string& out, const ActionRef& action, bool& extended) {
    const DetailsParts parts = SplitDetails(action.kind, action.details);
    if (!parts.options) {
        return Refusal::UnreadableOptions;
    }
    // A name the reader refuses would make the file unreadable.
    if (const auto why = ConditionNameRefusal(action.condition)) {
        return why;
    }
    const bool conditioned = !action.condition.empty();
    extended = extended || parts.extended() || conditioned;
    const std::string_view d = parts.base;
    const bool plus = parts.hasSuffix() || conditioned;
    if (parts.disconnection) {
        unmapSection(out, *parts.disconnection);
    } else if (action.kind == kind::kMapDrive) {
        if (IsHomeMapping(d)) {
            header(out, "home", plus);
        } else {
            const auto share = MappedShare(d);
            if (!share) {
                return Refusal::NoShare;
            }
            header(out, "map", plus);
            line(out, "remote=", *share);
        }
        driveLine(out, d);
    } else if (action.kind == kind::kMapPrinter) {
        const auto share = PrinterShare(d);
        if (!share) {
            return Refusal::PrinterWithoutShare;
        }
        const auto port = PrinterPort(d);
        if (parts.hasSuffix() && !port) {
            return Refusal::OptionsNeedPort;
        }
        header(out, "printer", plus);
        line(out, "remote=", *share);
        if (port) {
            line(out, "port=", std::to_string(*port));
        }
    } else if (action.kind == kind::kRunApplication) {
        header(out, "app", plus);
        line(out, IsRemoteApplication(d) ? "remote=" : "local=", PrefixedPath(d));
    } else if (action.kind == kind::kMergeRegistry) {
        header(out, "reg", plus);
        if (IsRemoteRegistry(d)) {
            line(out, "remote=", fromPosition(d, details::kRemotePrefix.size()));
        } else {
            line(out, "local=", fromPosition(d, details::kLocalPrefix.size()));
        }
    } else if (action.kind == kind::kDisplayMessage) {
        header(out, "motd", plus);
        line(out, "local=", MessagePath(d));
    } else if (action.kind == kind::kOther) {
        header(out, "other", plus);
        // The command as it was read, blanks included (see the reader).
        line(out, "command=", action.details);
    } else {
        out.append(kEol);  // a kind no version knows: nothing to skip
        return std::nullopt;
    }
    optionLines(out, *parts.options);
    if (conditioned) {
        line(out, "condition=", action.condition);
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
    bool extended = false;
    for (std::size_t row = 0; row < list.size(); ++row) {
        const std::size_t start = file.bytes.size();
        auto refusal = appendSection(file.bytes, list[row], extended);
        // A file the readers would refuse is never written; the first line grows once the file
        // holds a section an older version skips.
        const std::size_t firstLineGrowth =
            extended ? kTemplateVersion2Line.size() - kTemplateFirstLine.size() : 0;
        if (!refusal && file.bytes.size() + firstLineGrowth > kMaxInputBytes) {
            refusal = Refusal::TooLarge;
            file.bytes.resize(start);
        }
        if (refusal) {
            file.failedRow = row;
            file.refusal = *refusal;
            break;
        }
    }
    // A file an older version reads whole keeps the first line it always had.
    static_assert(kTemplateVersion2Line.starts_with(kTemplateFirstLine));
    if (extended) {
        file.bytes.insert(kTemplateFirstLine.size(),
                          kTemplateVersion2Line.substr(kTemplateFirstLine.size()));
    }
    return file;
}

Message templateRefusedMessage(const std::string& path, const ActionList& list,
                               const RenderedFile& file) {
    const std::size_t row = file.failedRow.value_or(0);
    if (file.refusal != Refusal::NoShare) {
        return messages::actionRefused(row, file.refusal, list[row].details);
    }
    return messages::templateWithoutShare(path, row, list[row].details);
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
