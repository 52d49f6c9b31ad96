#pragma once

// The sections of a template and the key lines inside them, as the template reader takes
// them apart. The plain sections find a key by a part of its name, anywhere before the "=";
// the sections an older version skips whole ("[map+]", "[home+]", "[printer+]", "[app+]",
// "[reg+]", "[unmap]", "[motd+]", "[other+]") also take keys of their own by their whole
// name, and hold every line to a rule: a line no key takes, or a value outside its key's
// rules, fails the read. Each of them takes a "condition" (core/condition.h).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/action_options.h"

namespace kestrune::template_keys {

enum class Section : std::uint8_t { Map, Home, Printer, App, Reg, Motd, Other, Unmap };

// A header: a plain section, or one whose keys are held to the stricter rules.
struct Header {
    Section section;
    bool strict = false;
};

// The header the line is, in any case and without blanks around it.
std::optional<Header> headerOf(std::string_view line);
// What most lines are told by at once, before headerOf is asked.
inline bool mayBeHeader(std::string_view line) {
    return line.size() >= 5 && line.size() <= 10 && line.front() == '[';
}

// A key line: the key is what stands before the first "=", the value what follows it,
// trimmed: blanks around a share, a path or a command mean nothing. Without "=" both are
// the whole line. Of the key, the parts the plain sections look for are found on asking.
struct KeyLine {
    std::string_view key;
    std::string_view value;
    bool loc = false;
    bool rem = false;
    bool port = false;
};
void splitKeyLine(std::string_view line, KeyLine& out);
void findKeyParts(KeyLine& line);

// Hand-edited files often have blanks on the line between two sections.
inline bool endsSection(std::string_view line) {
    for (const char c : line) {
        if (c != ' ' && c != '\t') {
            return false;
        }
    }
    return true;
}

// What a section's key lines give: views into the file, or into driveText.
struct Fields {
    std::string_view first;   // share, server or path
    std::string_view second;  // drive or port
    bool remote = false;      // the path came from a "rem" line
    std::array<char, 4> driveText{};
    // The strict sections' own keys.
    ActionOptions options;
    std::optional<Disconnection> disconnection;
    std::string_view condition;
};

// The tests of the plain sections, by a part of the key (found first): whether one took
// the line.
bool takeKey(Section section, const KeyLine& key, Fields& fields);

// The strict sections' own keys, by their whole name. None of the names holds "loc", "rem"
// or "port", so asking them first takes nothing from the plain tests.
enum class StrictKeyUse : std::uint8_t {
    Unknown,  // not the name of one
    Taken,
    Refused,  // a key the section doesn't take, or a value outside the key's rules
};
StrictKeyUse takeStrictKey(Section section, const KeyLine& key, Fields& fields);

// A key line as this program writes it, "name=value" with the name of a key in lower case,
// taken at once, as splitting it and the key tests above would take it: NotWritten for any
// other line, which those then take. In a plain section a key no test takes is Taken: the
// line means nothing there.
enum class WrittenLineUse : std::uint8_t { NotWritten, Taken, Refused };
WrittenLineUse takeWrittenLine(Header header, std::string_view line, KeyLine& key, Fields& f);

// The port a port line starts with: 1 to 9, the ports a printer can be mapped to.
std::optional<char> portDigit(std::string_view text);

}  // namespace kestrune::template_keys
