#include <array>
#include <cerrno>
#include <new>
#include <utility>

#include "core/action_options.h"
#include "core/cp1252_text.h"
#include "core/details.h"
#include "core/details_writers.h"
#include "files/file_io.h"
#include "files/line_cursor.h"
#include "files/memory_release.h"
#include "files/messages.h"
#include "files/template_format.h"
#include "files/template_keys.h"

namespace kestrune {

namespace {

using namespace template_keys;

// How reading a section ended.
enum class SectionEnd { Read, PastEnd, BadLine, BadSection };

class TemplateParser {
  public:
    TemplateParser(std::string_view bytes, ActionList& list) : cursor_(bytes), list_(list) {}

    SectionEnd readSection(Header header) {
        headerLine_ = lastLine_;
        Fields fields;
        std::string_view line;
        if (header.section == Section::Other) {
            if (!readCommand(fields)) {
                return SectionEnd::PastEnd;
            }
            if (!header.strict) {
                appendOther(fields.first, {});
                return SectionEnd::Read;
            }
        }
        while (next(line)) {
            if (endsSection(line)) {
                break;
            }
            // A strict section also ends at the next header, which starts its own.
            if (header.strict && mayBeHeader(line) && headerOf(line)) {
                pending_ = line;
                break;
            }
            // Most lines are keys as this program writes them, which are taken at once.
            const WrittenLineUse written = takeWrittenLine(header, line, key_, fields);
            if (written == WrittenLineUse::Taken) {
                continue;
            }
            if (written == WrittenLineUse::Refused) {
                return SectionEnd::BadLine;
            }
            splitKeyLine(line, key_);
            if (header.strict) {
                const auto use = takeStrictKey(header.section, key_, fields);
                if (use == StrictKeyUse::Refused) {
                    return SectionEnd::BadLine;
                }
                if (use == StrictKeyUse::Taken) {
                    continue;
                }
            }
            findKeyParts(key_);
            if (!takeKey(header.section, key_, fields) && header.strict) {
                return SectionEnd::BadLine;
            }
        }
        return appendSection(header, fields) ? SectionEnd::Read : SectionEnd::BadSection;
    }

    bool next(std::string_view& line) {
        if (pending_) {
            line = *pending_;
            pending_.reset();
            return true;
        }
        if (!cursor_.next(line)) {
            return false;
        }
        lastLine_ = line;
        return true;
    }

    std::string_view lastLine() const { return lastLine_; }
    std::string_view headerLine() const { return headerLine_; }

  private:
    // Details go straight into the list, written by write(out).
    template <typename Write>
    void append(ActionKind kind, ActionIcon icon, std::string_view condition, Write&& write) {
        list_.appendWritten(kind, icon, std::forward<Write>(write), condition);
    }
    void appendOther(std::string_view command, std::string_view condition) {
        append(ActionKind::Other, ActionIcon::Other, condition,
               [command](std::string& out) { out.append(command); });
    }

    // False when a strict section lacks what it must have.
    bool appendSection(Header header, Fields& f) {
        if ((header.section == Section::Map || header.section == Section::Home) &&
            f.second.empty()) {
            f.second = details::kNextAvailableDrive;
        }
        const ActionOptions* o = &f.options;
        const std::string_view c = f.condition;
        const std::string_view first = f.first;
        const std::string_view second = f.second;
        switch (header.section) {
            case Section::Map:
                append(ActionKind::MapDrive, ActionIcon::Drive, c,
                       [=](std::string& out) { details::AppendMapDrive(out, first, second, o); });
                break;
            case Section::Home:
                append(ActionKind::MapDrive, ActionIcon::Home, c, [=](std::string& out) {
                    details::AppendHomeMapping(out, details::kTheLogonServer, second, o);
                });
                break;
            case Section::Printer: {
                const auto port = portDigit(f.second);
                // Options on a printer without a port could never be written back; a
                // condition alone can.
                if (header.strict && !port && (!o->empty() || c.empty())) {
                    return false;
                }
                const int number = port ? *port - '0' : 0;
                append(ActionKind::MapPrinter, ActionIcon::Print, c,
                       [=](std::string& out) { details::AppendPrinter(out, first, number, o); });
                break;
            }
            case Section::App:
                // An empty section is a local file without a name.
                append(ActionKind::RunApplication, ActionIcon::App, c,
                       [=, remote = f.remote](std::string& out) {
                           details::AppendProgram(out, remote, first, o);
                       });
                break;
            case Section::Reg:
                append(ActionKind::MergeRegistry, ActionIcon::Reg, c,
                       [=, remote = f.remote](std::string& out) {
                           details::AppendProgram(out, remote, first, o);
                       });
                break;
            case Section::Motd:
                append(ActionKind::DisplayMessage, ActionIcon::Motd, c, [=](std::string& out) {
                    details::AppendMessage(out, first.empty() ? "error reading template" : first);
                });
                break;
            case Section::Unmap:
                if (!f.disconnection) {
                    return false;
                }
                appendDisconnection(*f.disconnection, o, c);
                break;
            case Section::Other:
                appendOther(first, c);
                break;
        }
        return true;
    }

    void appendDisconnection(Disconnection off, const ActionOptions* o, std::string_view c) {
        const bool printer = off.target == Disconnection::Target::Printer;
        append(printer ? ActionKind::MapPrinter : ActionKind::MapDrive,
               printer ? ActionIcon::Print : ActionIcon::Drive, c, [off, o](std::string& out) {
                   switch (off.target) {
                       case Disconnection::Target::Drive:
                           details::AppendDisconnectDrive(out, off.letter, o);
                           break;
                       case Disconnection::Target::All:
                           details::AppendDisconnectAll(out, o);
                           break;
                       case Disconnection::Target::Printer:
                           details::AppendDisconnectPrinter(out, off.port, o);
                           break;
                   }
               });
    }

    // An "[other]" section's first line is its command, taken whatever it says; "[other+]"
    // has its keys after it. The value is not trimmed: a trailing blank may belong to a
    // value the command sets, and the line after a continued one keeps its indentation.
    bool readCommand(Fields& f) {
        std::string_view line;
        if (!next(line)) {
            return false;
        }
        const auto equals = line.find('=');
        f.first = equals == std::string_view::npos ? line : line.substr(equals + 1);
        return true;
    }

    LineCursor cursor_;
    ActionList& list_;
    KeyLine key_;
    std::string_view lastLine_;
    std::string_view headerLine_;
    std::optional<std::string_view> pending_;  // a header that ended a strict section
};

FileError pastEndOfFile() {
    return {62, MessageId::PastEndOfFile};
}

FileError badKeyLine() {
    return {EINVAL, MessageId::BadKeyLine};
}

FileError incompleteSection() {
    return {EINVAL, MessageId::IncompleteSection};
}

}  // namespace

namespace {

// release: the bytes are the reader's own, and what it is done with may go back to the
// system as it reads.
FileResult parseTemplateBytes(std::string_view bytes, std::string_view path, ActionList& list,
                              bool release) {
    list.clear();
    // A section takes some 30 bytes or more, its Details about as many as its lines.
    list.reserve(bytes.size() / 16, bytes.size());
    TemplateParser parser(bytes, list);
    std::string_view line;
    if (!parser.next(line)) {
        return {FileStatus::Failed, messages::templateReadFailed(path, "", pastEndOfFile())};
    }
    if (!contains(line, kTemplateMarker)) {
        return {FileStatus::InvalidFormat, messages::invalidFileFormat()};
    }
    ReleaseBehind done(bytes, release);
    while (parser.next(line)) {
        if (const auto header = headerOf(line)) {
            // Nothing before a section's header is looked at again.
            done.doneBefore(line.data());
            switch (parser.readSection(*header)) {
                case SectionEnd::Read:
                    break;
                case SectionEnd::PastEnd:
                    return {FileStatus::Failed,
                            messages::templateReadFailed(path, parser.lastLine(), pastEndOfFile())};
                case SectionEnd::BadLine:
                    return {FileStatus::Failed,
                            messages::templateReadFailed(path, parser.lastLine(), badKeyLine())};
                case SectionEnd::BadSection:
                    return {FileStatus::Failed,
                            messages::templateReadFailed(path, parser.headerLine(),
                                                         incompleteSection())};
            }
            if (list.size() > kMaxInputActions) {
                list.clear();
                return {FileStatus::Failed, messages::tooManyActions(path, bytes.size())};
            }
        }
    }
    return {};
}

}  // namespace

FileResult parseTemplate(std::string_view bytes, std::string_view path, ActionList& list) {
    return parseTemplateBytes(bytes, path, list, false);
}

namespace {

FileResult takeTemplate(FileBytes file, const std::string& path, ActionList& list) {
    if (!file.found) {
        list.clear();
        return {FileStatus::NotFound, messages::templateNotFound(path)};
    }
    if (file.error) {
        list.clear();
        return {FileStatus::Failed, messages::templateReadFailed(path, "", *file.error)};
    }
    if (file.tooLarge) {
        list.clear();
        return {FileStatus::Failed, messages::fileTooLarge(path, file.size)};
    }
    FileResult result = parseTemplateBytes(file.bytes, path, list, true);
    if (result.ok()) {
        result.state = file.state;
    }
    return result;
}

// Running out of memory is a failed read like any other, not the end of the program.
template <typename Read>
FileResult guarded(const std::string& path, ActionList& list, Read read) {
    try {
        return read();
    } catch (const std::bad_alloc&) {
        list.clear();
        return {FileStatus::Failed, messages::templateReadFailed(path, "", errorFromErrno(ENOMEM))};
    }
}

}  // namespace

FileResult readTemplateFile(const std::string& path, ActionList& list) {
    return guarded(path, list, [&] { return takeTemplate(readFileBytes(path), path, list); });
}

FileResult readTemplateStream(std::FILE* stream, const std::string& name, ActionList& list) {
    return guarded(name, list, [&] { return takeTemplate(readStreamBytes(stream), name, list); });
}

}  // namespace kestrune
