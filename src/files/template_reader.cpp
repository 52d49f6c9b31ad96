#include <array>
#include <cerrno>
#include <new>

#include "core/action_builders.h"
#include "core/cp1252_text.h"
#include "core/details.h"
#include "files/file_io.h"
#include "files/line_cursor.h"
#include "files/memory_release.h"
#include "files/messages.h"
#include "files/template_format.h"

namespace kestrune {

namespace {

enum class Section { Map, Home, Printer, App, Reg, Motd, Other };

constexpr std::array<std::pair<std::string_view, Section>, 7> kHeaders = {{
    {"[map]", Section::Map},
    {"[home]", Section::Home},
    {"[printer]", Section::Printer},
    {"[app]", Section::App},
    {"[reg]", Section::Reg},
    {"[motd]", Section::Motd},
    {"[other]", Section::Other},
}};

// Headers and keys are matched in any case. ASCII lower-casing is enough: a byte above 0x7F
// is cased to another above 0x7F, which matches none of the ASCII texts either way.
char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
}

// text at pos starts with lower (given in lower case), in any case.
bool matchesLowerAt(std::string_view text, std::size_t pos, std::string_view lower) {
    if (text.size() - pos < lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (asciiLower(text[pos + i]) != lower[i]) {
            return false;
        }
    }
    return true;
}

bool containsLower(std::string_view text, std::string_view lower) {
    for (std::size_t pos = 0; pos + lower.size() <= text.size(); ++pos) {
        if (matchesLowerAt(text, pos, lower)) {
            return true;
        }
    }
    return false;
}

std::optional<Section> headerOf(std::string_view line) {
    if (line.size() < 5 || line.size() > 9 || line.front() != '[') {
        return std::nullopt;
    }
    for (const auto& [text, section] : kHeaders) {
        if (line.size() == text.size() && matchesLowerAt(line, 0, text)) {
            return section;
        }
    }
    return std::nullopt;
}

// A key line: the key is what stands before the first "=", the value what follows it,
// trimmed: blanks around a share, a path or a command mean nothing. Without "=" both are
// the whole line. Only the parts of the key the sections look for count.
struct KeyLine {
    std::string_view value;
    bool loc = false;
    bool rem = false;
    bool port = false;
};

void splitKeyLine(std::string_view line, KeyLine& out) {
    const auto equals = line.find('=');
    const std::string_view key = equals == std::string_view::npos ? line : line.substr(0, equals);
    out.value = trimmed(equals == std::string_view::npos ? line : line.substr(equals + 1));
    out.loc = containsLower(key, "loc");
    out.rem = containsLower(key, "rem");
    out.port = containsLower(key, "port");
}

// Hand-edited files often have blanks on the line between two sections.
bool endsSection(std::string_view line) {
    return trimmed(line).empty();
}

// "local=G" names drive G:\ (with one trailing blank); "local=*" and "local=" the next
// available drive. text holds the drive's own text.
std::string_view driveOfLine(std::string_view value, std::array<char, 4>& text) {
    if (value.empty() || value.back() == '*') {
        return details::kNextAvailableDrive;
    }
    text = {value.back(), ':', '\\', ' '};
    return {text.data(), text.size()};
}

// The port a port line starts with: 1 to 9, the ports a printer can be mapped to.
// Anything else would show in Details but could never be written back.
std::optional<char> portDigit(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '+') {
        ++i;
    }
    while (i < text.size() && text[i] == '0') {
        ++i;
    }
    if (i >= text.size() || text[i] < '1' || text[i] > '9' ||
        (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9')) {
        return std::nullopt;
    }
    return text[i];
}

class TemplateParser {
  public:
    TemplateParser(std::string_view bytes, ActionList& list) : cursor_(bytes), list_(list) {}

    // False when the file ended where a line was still needed.
    bool readSection(Section section) {
        if (section == Section::Other) {
            return readOther();
        }
        Fields fields;
        std::string_view line;
        while (next(line)) {
            if (endsSection(line)) {
                break;
            }
            splitKeyLine(line, key_);
            takeKey(section, fields);
        }
        appendSection(section, fields);
        return true;
    }

    bool next(std::string_view& line) {
        if (!cursor_.next(line)) {
            return false;
        }
        lastLine_ = line;
        return true;
    }

    std::string_view lastLine() const { return lastLine_; }

  private:
    // What a section's key lines give: views into the file, or into driveText.
    struct Fields {
        std::string_view first;   // share, server or path
        std::string_view second;  // drive or port
        bool remote = false;      // the path came from a "rem" line
        std::array<char, 4> driveText{};
    };

    void takeKey(Section section, Fields& f) {
        switch (section) {
            case Section::Map:
            case Section::Home:
                if (key_.loc) {
                    f.second = driveOfLine(key_.value, f.driveText);
                } else if (key_.rem) {
                    f.first = key_.value;
                }
                break;
            case Section::Printer:
                if (key_.rem) {
                    f.first = key_.value;
                } else if (key_.port) {
                    f.second = key_.value;
                }
                break;
            case Section::App:
            case Section::Reg:
                if (key_.rem || key_.loc) {
                    f.remote = key_.rem;
                    f.first = key_.value;
                }
                break;
            case Section::Motd:
                if (key_.rem || key_.loc) {
                    f.first = key_.value;
                }
                break;
            case Section::Other:
                break;
        }
    }

    void append(const ActionForm& form) { form.appendTo(list_); }

    void appendSection(Section section, Fields& f) {
        if ((section == Section::Map || section == Section::Home) && f.second.empty()) {
            f.second = details::kNextAvailableDrive;
        }
        switch (section) {
            case Section::Map:
                append(MapDriveForm(f.first, f.second));
                break;
            case Section::Home:
                append(HomeMappingForm(details::kTheLogonServer, f.second));
                break;
            case Section::Printer: {
                const auto port = portDigit(f.second);
                append(PrinterForm(f.first, port ? *port - '0' : 0));
                break;
            }
            case Section::App:
                // An empty section is a local file without a name.
                append(ApplicationForm(f.remote, f.first));
                break;
            case Section::Reg:
                append(RegistryForm(f.remote, f.first));
                break;
            case Section::Motd:
                append(MessageForm(f.first.empty() ? "error reading template" : f.first));
                break;
            case Section::Other:
                break;
        }
    }

    // "[other]" holds exactly one line, taken whatever it says. Its value is not trimmed:
    // a trailing blank may belong to a value the command sets, and the line after a
    // continued one keeps its indentation.
    bool readOther() {
        std::string_view line;
        if (!next(line)) {
            return false;
        }
        const auto equals = line.find('=');
        const auto command = equals == std::string_view::npos ? line : line.substr(equals + 1);
        append(OtherForm(command));
        return true;
    }

    LineCursor cursor_;
    ActionList& list_;
    KeyLine key_;
    std::string_view lastLine_;
};

FileError pastEndOfFile() {
    return {62, "Input past end of file"};
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
        return {FileStatus::InvalidFormat, std::string(messages::kInvalidFileFormat)};
    }
    ReleaseBehind done(bytes, release);
    while (parser.next(line)) {
        if (const auto section = headerOf(line)) {
            // Nothing before a section's header is looked at again.
            done.doneBefore(line.data());
            if (!parser.readSection(*section)) {
                return {FileStatus::Failed,
                        messages::templateReadFailed(path, parser.lastLine(), pastEndOfFile())};
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
