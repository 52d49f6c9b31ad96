#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <new>

#include "core/action_builders.h"
#include "core/cp1252_text.h"
#include "core/details.h"
#include "files/file_io.h"
#include "files/line_cursor.h"
#include "files/memory_release.h"
#include "files/messages.h"
#include "files/script_format.h"

namespace kestrune {

namespace {

constexpr auto npos = std::string_view::npos;

constexpr std::string_view kBannerLower = "rem - created with kestrune";

// Lines are told apart by the first word, lower-cased: "@echo off" and "net use " are the
// longest it needs. Whole lines are compared in any case instead.
constexpr std::size_t kLowerHead = 9;

// ASCII lower-casing is enough for comparing with the ASCII words below: a byte above 0x7F
// is cased to another above 0x7F, which matches none of them either way.
char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
}

// text equals lower, or starts with it, in any case; lower is given in lower case.
bool startsWithLower(std::string_view text, std::string_view lower) {
    if (text.size() < lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (asciiLower(text[i]) != lower[i]) {
            return false;
        }
    }
    return true;
}
bool equalsLower(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() && startsWithLower(text, lower);
}

// True when the line's first word is exactly word: "startup.cmd" is no start line.
bool firstWordIs(std::string_view lower, std::string_view word) {
    if (lower.size() < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (lower[i] != word[i]) {
            return false;
        }
    }
    return lower.size() == word.size() || isBlank(lower[word.size()]);
}

// The first few words of a text, without allocating: no recognised line has more than
// two, so size stops counting at four.
struct Words {
    std::array<std::string_view, 3> word{};
    std::size_t size = 0;

    std::string_view operator[](std::size_t i) const { return word[i]; }
    bool empty() const { return size == 0; }
};

Words words(std::string_view text) {
    Words out;
    std::size_t i = 0;
    while (i < text.size() && out.size < 4) {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
        const std::size_t begin = i;
        while (i < text.size() && !isBlank(text[i])) {
            ++i;
        }
        if (i > begin) {
            if (out.size < out.word.size()) {
                out.word[out.size] = text.substr(begin, i - begin);
            }
            ++out.size;
        }
    }
    return out;
}

bool isShare(std::string_view word) {
    return word.size() >= 2 && word[0] == '\\' && word[1] == '\\';
}

// Characters cmd.exe acts on outside double quotes: a bare word holding one is not the
// path it looks like, and quoting it on writing would change what the line does.
constexpr std::string_view kActedOn = "&|<>^()";

bool containsActedOn(std::string_view text) {
    static constexpr auto kTable = [] {
        std::array<bool, 256> table{};
        for (const char c : kActedOn) {
            table[static_cast<unsigned char>(c)] = true;
        }
        return table;
    }();
    for (const char c : text) {
        if (kTable[static_cast<unsigned char>(c)]) {
            return true;
        }
    }
    return false;
}

// What the words of a NET USE line are scanned for, in one pass.
constexpr std::uint8_t kBlankChar = 1;
constexpr std::uint8_t kQuoteChar = 2;
constexpr std::uint8_t kActedOnChar = 4;
constexpr std::uint8_t kPercentChar = 8;
constexpr auto kCharKinds = [] {
    std::array<std::uint8_t, 256> kinds{};
    kinds[' '] = kinds['\t'] = kBlankChar;
    kinds['"'] = kQuoteChar;
    kinds['%'] = kPercentChar;
    for (const char c : kActedOn) {
        kinds[static_cast<unsigned char>(c)] = kActedOnChar;
    }
    return kinds;
}();

// One argument of a NET USE line: a word, or a text in double quotes (without them).
struct Arg {
    std::string_view text;
    bool quoted = false;
    bool actedOn = false;  // bare, and holding a character of kActedOn
};

struct Args {
    std::array<Arg, 2> arg{};
    std::size_t size = 0;
    bool percent = false;  // a "%" somewhere: the line may hold a loop variable

    const Arg& operator[](std::size_t i) const { return arg[i]; }
};

// The arguments of a NET USE line, when there are at most two and every quote is closed
// and stands apart from the words around it.
bool netUseArgs(std::string_view text, Args& out) {
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            return true;
        }
        if (out.size == out.arg.size()) {
            return false;
        }
        Arg& arg = out.arg[out.size++];
        if (text[i] == '"') {
            const auto close = text.find('"', i + 1);
            if (close == npos) {
                return false;
            }
            arg = {text.substr(i + 1, close - i - 1), true};
            out.percent = out.percent || arg.text.find('%') != npos;
            i = close + 1;
            if (i < text.size() && !isBlank(text[i])) {
                return false;
            }
        } else {
            const auto begin = i;
            std::uint8_t found = 0;
            while (i < text.size()) {
                const std::uint8_t kind = kCharKinds[static_cast<unsigned char>(text[i])];
                if (kind & kBlankChar) {
                    break;
                }
                found |= kind;
                ++i;
            }
            if (found & kQuoteChar) {
                return false;
            }
            arg = {text.substr(begin, i - begin), false, (found & kActedOnChar) != 0};
            out.percent = out.percent || (found & kPercentChar) != 0;
        }
    }
}

// A share that the writer gives back as it stands: in quotes without blanks at its end,
// or bare without anything cmd.exe acts on.
bool isMappableShare(const Arg& arg) {
    if (!isShare(arg.text)) {
        return false;
    }
    if (arg.quoted) {
        return !isBlank(arg.text.back());
    }
    return !arg.actedOn;
}

// "lpt1" to "lpt9", with or without its colon, in any case: the ports a printer can be
// mapped to.
bool isPrinterPort(std::string_view word) {
    return startsWithLower(word, "lpt") && word.size() >= 4 && word[3] >= '1' && word[3] <= '9' &&
           (word.size() == 4 || (word.size() == 5 && word[4] == ':'));
}

// "*" or a drive letter with its colon; anything else is no drive word. The letter's text
// goes into buffer.
std::optional<std::string_view> driveOfWord(std::string_view word, std::array<char, 3>& buffer) {
    if (word.size() == 1 && word[0] == '*') {
        return details::kNextAvailableDrive;
    }
    if (word.size() == 2 && word[1] == ':') {
        buffer = {upperByte(word[0]), ':', '\\'};
        return std::string_view(buffer.data(), buffer.size());
    }
    return std::nullopt;
}

// The file of a start or type line: one word, or one double-quoted text. A line that
// holds more (arguments, a window title) has none, and is kept as it stands.
std::optional<std::string_view> quotedOrBarePath(std::string_view rest) {
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') {
        const auto inner = rest.substr(1, rest.size() - 2);
        if (inner.find('"') == npos) {
            return trimmed(inner);
        }
        return std::nullopt;
    }
    if (rest.find('"') != npos || containsActedOn(rest) || words(rest).size != 1) {
        return std::nullopt;
    }
    return rest;
}

bool isRemotePath(std::string_view path) {
    return isShare(path);
}
bool isLocalPath(std::string_view path) {
    return path.size() >= 2 && path[1] == ':';
}

// FOR variables are case-sensitive and name no file of their own: such a line is never
// taken apart.
bool holdsLoopVariable(std::string_view line) {
    for (auto at = line.find('%'); at != npos && at + 1 < line.size();
         at = line.find('%', at + 1)) {
        if (line[at + 1] == '%' || line[at + 1] == '~') {
            return true;
        }
    }
    return false;
}

class ScriptParser {
  public:
    explicit ScriptParser(ActionList& list) : list_(list) {}

    // Adds the action the line stands for; kept is what an "Other" action keeps of it, and
    // lower the line's start lower-cased. A message takes the "pause" line after it from
    // the cursor.
    void take(std::string_view line, std::string_view lower, std::string_view kept,
              LineCursor& cursor) {
        kept_ = kept;
        // A line holding a loop variable is kept as it stands; each kind looks for one.
        if (firstWordIs(lower, "net use")) {
            takeNetUse(line);
        } else if (firstWordIs(lower, "start") && !holdsLoopVariable(line)) {
            takeStart(line);
        } else if (firstWordIs(lower, "type") && !holdsLoopVariable(line)) {
            takeType(line, cursor);
        } else {
            other();
        }
    }

    void keep(std::string_view line) {
        kept_ = line;
        other();
    }

  private:
    void append(const ActionForm& form) { form.appendTo(list_); }

    void other() { append(OtherForm(kept_)); }

    // The words are taken as they stand and compared in any case: the share and the port
    // are upper-cased in Details anyway.
    void takeNetUse(std::string_view line) {
        Args args;
        if (!netUseArgs(line.substr(7), args) || args.size == 0 ||
            (args.percent && holdsLoopVariable(line))) {
            return other();
        }
        // NET USE LPTn[:] \\SERVER\PRINTER
        if (args.size == 2 && !args[0].quoted && isPrinterPort(args[0].text) &&
            isMappableShare(args[1])) {
            const auto share = args[1].text;
            append(PrinterOnPortForm(share, args[0].text.substr(0, 4)));
            return;
        }
        // NET USE [drive] /HOME and NET USE [drive] \\SERVER\SHARE
        std::array<char, 3> letter{};
        std::optional<std::string_view> drive = details::kNextAvailableDrive;
        const Arg& target = args[args.size - 1];
        if (args.size == 2) {
            drive = args[0].quoted ? std::nullopt : driveOfWord(args[0].text, letter);
        }
        if (!drive || (!args[0].quoted && startsWithLower(args[0].text, "lpt"))) {
            return other();
        }
        if (!target.quoted && equalsLower(target.text, "/home")) {
            append(HomeMappingForm(details::kLogonServer, *drive));
        } else if (isMappableShare(target)) {
            append(MapDriveForm(target.text, *drive));
        } else {
            other();
        }
    }

    void takeStart(std::string_view line) {
        auto rest = trimmed(line.substr(5));
        // Skip the empty window title this program writes first.
        if (rest.starts_with("\"\"") && rest.size() > 2 && isBlank(rest[2])) {
            rest = trimmed(rest.substr(2));
        }
        const auto path = quotedOrBarePath(rest);
        if (!path || !(isRemotePath(*path) || isLocalPath(*path))) {
            return other();
        }
        const bool remote = isRemotePath(*path);
        append(equalsLower(lastChars(*path, 4), ".reg") ? RegistryForm(remote, *path)
                                                        : ApplicationForm(remote, *path));
    }

    // A message is written as "type" and "pause"; a "type" line without its "pause" is
    // kept as it stands, so that saving never adds a pause the script didn't have.
    void takeType(std::string_view line, LineCursor& cursor) {
        const auto path = quotedOrBarePath(trimmed(line.substr(4)));
        LineCursor next = cursor;
        std::string_view nextLine;
        if (!path || !(isRemotePath(*path) || isLocalPath(*path)) || !next.next(nextLine) ||
            !equalsLower(trimmed(nextLine), "pause")) {
            return other();
        }
        cursor = next;
        append(MessageForm(*path));
    }

    ActionList& list_;
    std::string_view kept_;
};

// "rem" and "::" comments: lines before which "@echo off" is still the header.
bool isComment(std::string_view lower) {
    for (const std::string_view word : {"rem", "@rem"}) {
        if (lower.starts_with(word) &&
            (lower.size() == word.size() ||
             !std::isalnum(static_cast<unsigned char>(lower[word.size()])))) {
            return true;
        }
    }
    return lower.starts_with("::");
}

// How the line just read ends the command it belongs to.
enum class Continued {
    No,
    ByCaret,      // it ended in "^": the next line goes on with the command
    ByEmptyLine,  // it was an empty line after a "^", whose end the "^" escaped: the
                  // next line belongs to the command as well
};

// release: the bytes are the reader's own, and what it is done with may go back to the
// system as it reads.
FileResult parseScriptBytes(std::string_view bytes, ActionList& list, bool release) {
    list.clear();
    // Notepad starts a UTF-8 file with a byte-order mark; it belongs to no line.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    // A command line takes some 20 bytes or more, its Details about as many.
    list.reserve(bytes.size() / 16, bytes.size());
    ScriptParser parser(list);
    LineCursor cursor(bytes);
    std::array<char, kLowerHead> head{};
    std::string_view raw;
    Continued continued = Continued::No;
    // Until the first command an "@echo off" is the header the writer sets anew; any
    // later one switches echo off where it stands.
    bool headerAhead = true;
    ReleaseBehind done(bytes, release);
    while (cursor.next(raw)) {
        // Nothing before the line at hand is looked at again.
        done.doneBefore(raw.data());
        if (list.size() > kMaxInputActions) {
            return {FileStatus::Failed, {}};
        }
        if (continued != Continued::No) {
            // Part of the command above: kept exactly as it stands, even when empty.
            parser.keep(raw);
            continued = raw.ends_with('^')                               ? Continued::ByCaret
                        : continued == Continued::ByCaret && raw.empty() ? Continued::ByEmptyLine
                                                                         : Continued::No;
            continue;
        }
        const auto line = trimmed(raw);
        const std::size_t headSize = std::min(line.size(), kLowerHead);
        for (std::size_t i = 0; i < headSize; ++i) {
            head[i] = asciiLower(line[i]);
        }
        const std::string_view lower(head.data(), headSize);
        if (lower.empty() || equalsLower(line, kBannerLower)) {
            continue;
        }
        if (headerAhead && equalsLower(line, "@echo off")) {
            headerAhead = false;
            continue;
        }
        headerAhead = headerAhead && isComment(lower);
        // Leading blanks are indentation; trailing ones may belong to a value the line sets.
        const auto kept = raw.substr(static_cast<std::size_t>(line.data() - raw.data()));
        if (raw.ends_with('^')) {
            continued = Continued::ByCaret;
            parser.keep(kept);
        } else {
            parser.take(line, lower, kept, cursor);
        }
    }
    if (list.size() > kMaxInputActions) {
        return {FileStatus::Failed, {}};
    }
    return {};
}

}  // namespace

FileResult parseScript(std::string_view bytes, ActionList& list) {
    return parseScriptBytes(bytes, list, false);
}

namespace {

FileResult takeScript(FileBytes file, const std::string& path, ActionList& list) {
    if (!file.found) {
        list.clear();
        return {FileStatus::NotFound, messages::scriptNotFound(path)};
    }
    if (file.error) {
        list.clear();
        return {FileStatus::Failed, messages::scriptReadFailed(path, *file.error)};
    }
    if (file.tooLarge) {
        list.clear();
        return {FileStatus::Failed, messages::fileTooLarge(path, file.size)};
    }
    auto result = parseScriptBytes(file.bytes, list, true);
    if (list.size() > kMaxInputActions) {
        list.clear();
        return {FileStatus::Failed, messages::tooManyActions(path, file.bytes.size())};
    }
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
        return {FileStatus::Failed, messages::scriptReadFailed(path, errorFromErrno(ENOMEM))};
    }
}

}  // namespace

FileResult readScriptFile(const std::string& path, ActionList& list) {
    return guarded(path, list, [&] { return takeScript(readFileBytes(path), path, list); });
}

FileResult readScriptStream(std::FILE* stream, const std::string& name, ActionList& list) {
    return guarded(name, list, [&] { return takeScript(readStreamBytes(stream), name, list); });
}

}  // namespace kestrune
