#include "files/template_keys.h"

#include <cstring>

#include "core/condition.h"
#include "core/cp1252_text.h"
#include "core/details.h"
#include "files/batch_words.h"

namespace kestrune::template_keys {

namespace {

// Headers and keys are matched in any case, as batch words are.
using batch::asciiLower;
using batch::equalsLower;
using batch::startsWithLower;

// Names in a table by their first letter (a to z), at most two to a letter: a header is
// looked up for every section, and each lookup then compares one or two names.
template <typename Named, std::size_t N>
constexpr auto byFirstLetter(const std::array<Named, N>& table) {
    std::array<std::array<std::int8_t, 2>, 26> index{};
    for (auto& slots : index) {
        slots = {-1, -1};
    }
    for (std::size_t i = 0; i < N; ++i) {
        auto& slots = index[static_cast<std::size_t>(table[i].name[0] - 'a')];
        if (slots[1] >= 0) {
            throw "three names with one first letter";  // fails the build
        }
        slots[slots[0] < 0 ? 0 : 1] = static_cast<std::int8_t>(i);
    }
    return index;
}

// A section's name between the brackets; all but "unmap" also come with a "+" after it,
// which makes them strict ("[unmap]" is strict without one).
struct SectionName {
    std::string_view name;
    Section section;
};
constexpr std::array<SectionName, 8> kSectionNames = {{
    {"map", Section::Map},
    {"home", Section::Home},
    {"printer", Section::Printer},
    {"app", Section::App},
    {"reg", Section::Reg},
    {"motd", Section::Motd},
    {"other", Section::Other},
    {"unmap", Section::Unmap},
}};
constexpr auto kSectionsByLetter = byFirstLetter(kSectionNames);

// The entry of the table named text in any case, or none.
template <typename Named, std::size_t N>
const Named* lookUp(const std::array<Named, N>& table,
                    const std::array<std::array<std::int8_t, 2>, 26>& byLetter,
                    std::string_view text) {
    const char first = text.empty() ? 0 : asciiLower(text[0]);
    if (first < 'a' || first > 'z') {
        return nullptr;
    }
    for (const std::int8_t i : byLetter[static_cast<std::size_t>(first - 'a')]) {
        if (i >= 0 && equalsLower(text, table[static_cast<std::size_t>(i)].name)) {
            return &table[static_cast<std::size_t>(i)];
        }
    }
    return nullptr;
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

constexpr unsigned bit(Section s) {
    return 1U << static_cast<unsigned>(s);
}
constexpr unsigned kConnections = bit(Section::Map) | bit(Section::Printer);
constexpr unsigned kPersisting = kConnections | bit(Section::Home);
constexpr unsigned kConfirming = kPersisting | bit(Section::Unmap);
constexpr unsigned kAll =
    kConfirming | bit(Section::App) | bit(Section::Reg) | bit(Section::Motd) | bit(Section::Other);

// A flag is "yes" or absent.
bool takeFlag(std::string_view value, bool& flag) {
    flag = equalsLower(value, "yes");
    return flag;
}

bool takeUser(std::string_view value, Fields& f) {
    f.options.user = value;
    return IsUserName(value);
}

bool takePersistent(std::string_view value, Fields& f) {
    f.options.persistent = equalsLower(value, "yes")  ? Persistence::Yes
                           : equalsLower(value, "no") ? Persistence::No
                                                      : Persistence::Unset;
    return f.options.persistent != Persistence::Unset;
}

bool takeArguments(std::string_view value, Fields& f) {
    f.options.arguments = value;
    return AreArguments(value);
}

bool takeMethod(std::string_view value, Fields& f) {
    f.options.method = equalsLower(value, "reg")       ? MergeMethod::RegImport
                       : equalsLower(value, "regedit") ? MergeMethod::Regedit
                                                       : MergeMethod::Start;
    return f.options.method != MergeMethod::Start;
}

bool takeCondition(std::string_view value, Fields& f) {
    f.condition = value;
    return IsCondition(value);
}

// "G" (any case), "*" or LPT1 to LPT9: what a disconnection lets go of.
bool takeDrive(std::string_view value, Fields& f) {
    Disconnection off;
    if (value == "*") {
        off.target = Disconnection::Target::All;
    } else if (value.size() == 1 && asciiLower(value[0]) >= 'a' && asciiLower(value[0]) <= 'z') {
        off = {Disconnection::Target::Drive, upperByte(value[0]), 0};
    } else if (value.size() == 4 && startsWithLower(value, "lpt") && value[3] >= '1' &&
               value[3] <= '9') {
        off = {Disconnection::Target::Printer, 0, value[3] - '0'};
    } else {
        return false;
    }
    f.disconnection = off;
    return true;
}

// The keys only the strict sections know: the sections that take each (a bit per Section),
// and what it makes of its value, false for a value outside its rules.
struct StrictKey {
    std::string_view name;
    unsigned sections;
    bool (*take)(std::string_view value, Fields& f);
};

constexpr std::array<StrictKey, 10> kStrictKeys = {{
    {"user", kConnections, takeUser},
    {"savecred", kConnections,
     [](std::string_view v, Fields& f) { return takeFlag(v, f.options.saveCredentials); }},
    {"persistent", kPersisting, takePersistent},
    {"confirm", kConfirming,
     [](std::string_view v, Fields& f) { return takeFlag(v, f.options.confirm); }},
    {"quiet", kConfirming,
     [](std::string_view v, Fields& f) { return takeFlag(v, f.options.quiet); }},
    {"arguments", bit(Section::App), takeArguments},
    {"wait", bit(Section::App),
     [](std::string_view v, Fields& f) { return takeFlag(v, f.options.wait); }},
    {"method", bit(Section::Reg), takeMethod},
    {"drive", bit(Section::Unmap), takeDrive},
    {"condition", kAll, takeCondition},
}};

// A strict key's line: taken when the section takes the key and its value.
StrictKeyUse take(const StrictKey& key, Section section, std::string_view value, Fields& f) {
    return (key.sections & bit(section)) != 0 && key.take(value, f) ? StrictKeyUse::Taken
                                                                    : StrictKeyUse::Refused;
}

// The strict keys by a slot of their length and first letter, one to a slot, so that a
// lookup compares one name.
constexpr std::size_t keySlot(std::string_view name) {
    return (name.size() * 2 + static_cast<unsigned char>(name[0] | 0x20)) & 31;
}
constexpr auto kStrictKeySlots = [] {
    std::array<std::int8_t, 32> slots{};
    slots.fill(-1);
    for (std::size_t i = 0; i < kStrictKeys.size(); ++i) {
        auto& slot = slots[keySlot(kStrictKeys[i].name)];
        if (slot >= 0) {
            throw "two keys in one slot";  // fails the build
        }
        slot = static_cast<std::int8_t>(i);
    }
    return slots;
}();

const StrictKey* strictKeyNamed(std::string_view name) {
    if (name.empty()) {
        return nullptr;
    }
    const std::int8_t i = kStrictKeySlots[keySlot(name)];
    return i >= 0 && equalsLower(name, kStrictKeys[static_cast<std::size_t>(i)].name)
               ? &kStrictKeys[static_cast<std::size_t>(i)]
               : nullptr;
}

// The keys as this program writes them, "name=" at the start of a line in lower case: a
// plain key with its one part, or a strict key by its place in kStrictKeys. The "name=" is
// compared as two words, its first bytes and its last, which may overlap: four bytes each
// up to eight, else eight. (A call comparing a few bytes cost more than the rest of the
// line's reading.) The words are little-endian: on a machine of the other byte order no
// line matches, and every line is read the longer way.
struct WrittenName {
    std::string_view name;
    std::int8_t strict;  // -1: a plain key
    bool loc = false;
    bool rem = false;
    bool port = false;
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
};

// The little-endian word of the n bytes of "name=" from at on.
constexpr std::uint64_t wordOf(std::string_view name, std::size_t at, std::size_t n) {
    std::uint64_t word = 0;
    for (std::size_t i = n; i-- > 0;) {
        const std::size_t pos = at + i;
        const char c = pos < name.size() ? name[pos] : '=';
        word = (word << 8) | static_cast<unsigned char>(c);
    }
    return word;
}

constexpr WrittenName written(std::string_view name, std::int8_t strict, bool loc, bool rem,
                              bool port) {
    const std::size_t size = name.size() + 1;
    const std::size_t n = size <= 8 ? 4 : 8;
    return {name, strict, loc, rem, port, wordOf(name, 0, n), wordOf(name, size - n, n)};
}

constexpr auto kWrittenNames = [] {
    std::array<WrittenName, 3 + kStrictKeys.size()> names{{
        written("remote", -1, false, true, false),
        written("local", -1, true, false, false),
        written("port", -1, false, false, true),
    }};
    for (std::size_t i = 0; i < kStrictKeys.size(); ++i) {
        names[3 + i] =
            written(kStrictKeys[i].name, static_cast<std::int8_t>(i), false, false, false);
    }
    return names;
}();
constexpr auto kWrittenByLetter = byFirstLetter(kWrittenNames);

template <typename Word>
Word load(const char* at) {
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

bool startsWithWritten(std::string_view line, const WrittenName& written) {
    const std::size_t size = written.name.size() + 1;
    if (line.size() < size) {
        return false;
    }
    if (size <= 8) {
        return load<std::uint32_t>(line.data()) == written.head &&
               load<std::uint32_t>(line.data() + size - 4) == written.tail;
    }
    return load<std::uint64_t>(line.data()) == written.head &&
           load<std::uint64_t>(line.data() + size - 8) == written.tail;
}

const WrittenName* writtenNameOf(std::string_view line) {
    const auto first = static_cast<unsigned char>(line.empty() ? 0 : line[0]);
    if (first < 'a' || first > 'z') {
        return nullptr;
    }
    for (const std::int8_t i : kWrittenByLetter[first - 'a']) {
        if (i < 0) {
            break;
        }
        const WrittenName& name = kWrittenNames[static_cast<std::size_t>(i)];
        if (startsWithWritten(line, name)) {
            return &name;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<Header> headerOf(std::string_view line) {
    if (!mayBeHeader(line) || line.back() != ']') {
        return std::nullopt;
    }
    auto name = line.substr(1, line.size() - 2);
    const bool plus = name.back() == '+';
    if (plus) {
        name.remove_suffix(1);
    }
    const SectionName* candidate = lookUp(kSectionNames, kSectionsByLetter, name);
    if (candidate == nullptr) {
        return std::nullopt;
    }
    if (candidate->section == Section::Unmap) {
        return plus ? std::nullopt : std::optional<Header>(Header{Section::Unmap, true});
    }
    return Header{candidate->section, plus};
}

void splitKeyLine(std::string_view line, KeyLine& out) {
    const auto equals = line.find('=');
    out.key = equals == std::string_view::npos ? line : line.substr(0, equals);
    out.value = trimmed(equals == std::string_view::npos ? line : line.substr(equals + 1));
}

void findKeyParts(KeyLine& out) {
    // One pass over the key for all three parts: a reader asks it of nearly every key line.
    out.loc = out.rem = out.port = false;
    for (std::size_t pos = 0; pos < out.key.size(); ++pos) {
        switch (asciiLower(out.key[pos])) {
            case 'l':
                out.loc = out.loc || startsWithLower(out.key.substr(pos), "loc");
                break;
            case 'r':
                out.rem = out.rem || startsWithLower(out.key.substr(pos), "rem");
                break;
            case 'p':
                out.port = out.port || startsWithLower(out.key.substr(pos), "port");
                break;
            default:
                break;
        }
    }
}

bool takeKey(Section section, const KeyLine& key, Fields& f) {
    switch (section) {
        case Section::Map:
        case Section::Home:
            if (key.loc) {
                f.second = driveOfLine(key.value, f.driveText);
            } else if (key.rem) {
                f.first = key.value;
            } else {
                return false;
            }
            return true;
        case Section::Printer:
            if (key.rem) {
                f.first = key.value;
            } else if (key.port) {
                f.second = key.value;
            } else {
                return false;
            }
            return true;
        case Section::App:
        case Section::Reg:
        case Section::Motd:
            if (key.rem || key.loc) {
                f.remote = key.rem;
                f.first = key.value;
                return true;
            }
            return false;
        case Section::Other:
        case Section::Unmap:
            break;
    }
    return false;
}

StrictKeyUse takeStrictKey(Section section, const KeyLine& key, Fields& f) {
    const auto name = trimmed(key.key);
    const StrictKey* found = strictKeyNamed(name);
    if (found == nullptr) {
        return StrictKeyUse::Unknown;
    }
    return take(*found, section, key.value, f);
}

WrittenLineUse takeWrittenLine(Header header, std::string_view line, KeyLine& key, Fields& f) {
    const WrittenName* written = writtenNameOf(line);
    if (written == nullptr || (written->strict >= 0 && !header.strict)) {
        return WrittenLineUse::NotWritten;
    }
    key.key = line.substr(0, written->name.size());
    key.value = trimmed(line.substr(written->name.size() + 1));
    if (written->strict >= 0) {
        const StrictKey& strict = kStrictKeys[static_cast<std::size_t>(written->strict)];
        return take(strict, header.section, key.value, f) == StrictKeyUse::Taken
                   ? WrittenLineUse::Taken
                   : WrittenLineUse::Refused;
    }
    key.loc = written->loc;
    key.rem = written->rem;
    key.port = written->port;
    return takeKey(header.section, key, f) || !header.strict ? WrittenLineUse::Taken
                                                             : WrittenLineUse::Refused;
}

std::optional<char> portDigit(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '+') {
        ++i;
    }
    while (i < text.size() && text[i] == '0') {
        ++i;
    }
    // Anything else would show in Details but could never be written back.
    if (i >= text.size() || text[i] < '1' || text[i] > '9' ||
        (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9')) {
        return std::nullopt;
    }
    return text[i];
}

}  // namespace kestrune::template_keys
