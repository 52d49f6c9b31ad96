#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <new>
#include <utility>

#include "core/cp1252_text.h"
#include "core/details.h"
#include "core/details_writers.h"
#include "files/batch_words.h"
#include "files/condition_lines.h"
#include "files/file_io.h"
#include "files/line_cursor.h"
#include "files/memory_release.h"
#include "files/messages.h"
#include "files/net_use_grammar.h"
#include "files/program_lines.h"
#include "files/script_format.h"

namespace kestrune {

namespace {

using batch::asciiLower;
using batch::equalsLower;
using batch::firstWordIs;
using batch::holdsLoopVariable;

constexpr std::string_view kBannerLower = "rem - created with kestrune";

// Lines are told apart by the first word, lower-cased: "@echo off" and "net use " are the
// longest it needs. Whole lines are compared in any case instead.
constexpr std::size_t kLowerHead = 9;

// The file of a type line: one word, or one double-quoted text. A line that holds more is
// kept as it stands.
std::optional<std::string_view> quotedOrBarePath(std::string_view rest) {
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') {
        const auto inner = rest.substr(1, rest.size() - 2);
        if (inner.find('"') == std::string_view::npos) {
            return trimmed(inner);
        }
        return std::nullopt;
    }
    if (rest.find('"') != std::string_view::npos || HoldsActedOn(rest)) {
        return std::nullopt;
    }
    for (const char c : rest) {
        if (isBlank(c)) {
            return std::nullopt;
        }
    }
    return rest;
}

bool isFilePath(std::string_view path) {
    return batch::isShare(path) || (path.size() >= 2 && path[1] == ':');
}

class ScriptParser {
  public:
    explicit ScriptParser(ActionList& list) : list_(list) {}

    // Adds the action the line stands for; kept is what an "Other" action keeps of it, and
    // lower the line's start lower-cased; loopFree tells that it holds no loop variable,
    // which is otherwise looked for. A message takes the "pause" line after it from the
    // cursor.
    void take(std::string_view line, std::string_view lower, std::string_view kept, bool loopFree,
              LineCursor& cursor) {
        kept_ = kept;
        // A line holding a loop variable is kept as it stands; each kind looks for one.
        if (firstWordIs(lower, "net use")) {
            takeNetUse(line);
        } else if (firstWordIs(lower, "type") && condition_.empty() && !holdsLoopVariable(line)) {
            // Under a condition a message is a block; a type line alone stays as it stands.
            takeType(line, cursor);
        } else if (mayRunProgram(lower) && (loopFree || !holdsLoopVariable(line))) {
            takeProgram(line);
        } else {
            other();
        }
    }

    void keep(std::string_view line) {
        kept_ = line;
        other();
    }

    // A cheap first look: only an IF line or a whoami line may begin a condition.
    static bool mayHaveCondition(std::string_view lower) {
        return lower[0] == 'i' || lower[0] == '%';
    }

    // What a line's condition left to take.
    enum class Under {
        None,     // the line has no condition
        Taken,    // the action and its lines were taken
        Command,  // the condition holds from now on, for the command after its head
    };

    // A line whose command runs under a condition (condition_lines.h), with the lines that
    // belong to it, from the cursor on; nothing is taken of a line that has none. The
    // command, taken apart as a line of its own, is left to the caller: then endCondition().
    Under readCondition(std::string_view kept, std::string_view lower, LineCursor& cursor,
                        std::string_view& command) {
        std::optional<ConditionHead> head;
        LineCursor after = cursor;
        if (firstWordIs(lower, "if")) {
            head = ParseNameCondition(kept);
        } else if (lower.starts_with('%')) {
            const auto group = ParseGroupSearch(trimmed(kept));
            std::string_view next;
            bool found = false;
            // An older writer or a hand edit may have left empty lines between.
            while (group && (found = after.next(next)) && dropped(next)) {
            }
            if (found && !next.ends_with('^')) {
                head = ParseGroupCondition(next.substr(next.find_first_not_of(" \t")), *group);
            }
        }
        if (!head) {
            return Under::None;
        }
        // Written into the text kept from the condition before: no allocation per action.
        condition_.clear();
        AppendCondition(condition_, head->condition);
        if (trimmed(head->rest) == "(" && takeBlock(after)) {
            cursor = after;
            endCondition();
            return Under::Taken;
        }
        if (!TakesCondition(head->rest)) {
            endCondition();
            return Under::None;
        }
        cursor = after;
        command = head->rest;
        return Under::Command;
    }
    void endCondition() { condition_.clear(); }

    // A cheap first look, so that most other lines cost no more than it; lower is the line's
    // start, lower-cased.
    static bool mayRunProgram(std::string_view lower) {
        const char c = lower[0];
        return c == 's' || c == 'c' || c == 'r' || c == '"' || c == '\\' || c == '%' ||
               (lower.size() > 2 && lower[1] == ':');
    }

    // A NET USE line standing alone, taken apart in the one pass that also finds its end
    // (most lines of a logon script are such lines); false leaves the line to take().
    bool takeNetUseLine(LineCursor& cursor) {
        std::string_view rest = cursor.rest();
        std::size_t indent = 0;
        while (indent < rest.size() && isBlank(rest[indent])) {
            ++indent;
        }
        rest.remove_prefix(indent);
        if (rest.size() < 8 || !firstWordIs(rest.substr(0, 8), "net use")) {
            return false;
        }
        NetUseLine use;
        const std::size_t length = ParseNetUse(rest, use);
        if (length == 0) {
            return false;
        }
        appendNetUse(use);
        cursor.skipLine(indent + length);
        return true;
    }

  private:
    // Details go straight into the list, written by write(out).
    template <typename Write>
    void append(ActionKind kind, ActionIcon icon, Write&& write) {
        list_.appendWritten(kind, icon, std::forward<Write>(write), condition_);
    }

    // Lines the reader takes no action from wherever they stand.
    static bool dropped(std::string_view raw) {
        const auto line = trimmed(raw);
        return line.empty() || equalsLower(line, kBannerLower);
    }

    // A message under a condition: its type and pause lines, and the block's end.
    bool takeBlock(LineCursor& cursor) {
        LineCursor c = cursor;
        std::array<std::string_view, 3> lines;
        for (auto& line : lines) {
            if (!c.next(line) || line.ends_with('^')) {
                return false;
            }
            line = trimmed(line);
        }
        if (!firstWordIs(lines[0], "type") || holdsLoopVariable(lines[0]) ||
            !equalsLower(lines[1], "pause") || lines[2] != ")") {
            return false;
        }
        const auto path = quotedOrBarePath(trimmed(lines[0].substr(4)));
        if (!path || !isFilePath(*path)) {
            return false;
        }
        appendMessage(*path);
        cursor = c;
        return true;
    }

    void other() {
        append(ActionKind::Other, ActionIcon::Other,
               [kept = kept_](std::string& out) { out.append(kept); });
    }

    void appendMessage(std::string_view path) {
        append(ActionKind::DisplayMessage, ActionIcon::Motd,
               [path](std::string& out) { details::AppendMessage(out, path); });
    }

    // The share and the port are upper-cased in Details; the options keep what they hold.
    // Each action's Details are written straight into the list from the pieces found.
    void takeNetUse(std::string_view line) {
        NetUseLine use;
        if (ParseNetUse(line, use) == 0) {
            return other();
        }
        appendNetUse(use);
    }

    void appendNetUse(const NetUseLine& use) {
        using Device = NetUseLine::Device;
        const char letter = use.device == Device::Letter ? use.letter : 0;
        const int port = use.device == Device::Port ? use.port : 0;
        const ActionOptions* options = &use.options;
        if (use.target == NetUseLine::Target::Delete) {
            const auto kind = port > 0 ? ActionKind::MapPrinter : ActionKind::MapDrive;
            const auto icon = port > 0 ? ActionIcon::Print : ActionIcon::Drive;
            append(kind, icon, [letter, port, options](std::string& out) {
                if (letter != 0) {
                    details::AppendDisconnectDrive(out, letter, options);
                } else if (port > 0) {
                    details::AppendDisconnectPrinter(out, port, options);
                } else {
                    details::AppendDisconnectAll(out, options);
                }
            });
        } else if (use.target == NetUseLine::Target::Home) {
            append(ActionKind::MapDrive, ActionIcon::Home, [letter, options](std::string& out) {
                details::AppendHomeMapping(out, details::kLogonServer, letter, options);
            });
        } else if (port > 0) {
            append(ActionKind::MapPrinter, ActionIcon::Print,
                   [share = use.share, port, options](std::string& out) {
                       details::AppendPrinterOnPort(out, share, port, options);
                   });
        } else {
            append(ActionKind::MapDrive, ActionIcon::Drive,
                   [share = use.share, letter, options](std::string& out) {
                       details::AppendMapDrive(out, share, letter, options);
                   });
        }
    }

    void takeProgram(std::string_view line) {
        const auto program = ParseProgramLine(line);
        if (!program) {
            return other();
        }
        const bool registry = program->kind == ActionKind::MergeRegistry;
        append(program->kind, registry ? ActionIcon::Reg : ActionIcon::App,
               [&program = *program](std::string& out) {
                   details::AppendProgram(out, program.remote, program.path, &program.options);
               });
    }

    // A message is written as "type" and "pause"; a "type" line without its "pause" is
    // kept as it stands, so that saving never adds a pause the script didn't have.
    void takeType(std::string_view line, LineCursor& cursor) {
        const auto path = quotedOrBarePath(trimmed(line.substr(4)));
        LineCursor next = cursor;
        std::string_view nextLine;
        if (!path || !isFilePath(*path) || !next.next(nextLine) ||
            !equalsLower(trimmed(nextLine), "pause")) {
            return other();
        }
        cursor = next;
        appendMessage(*path);
    }

    ActionList& list_;
    std::string_view kept_;
    std::string condition_;  // of the action being taken; empty for none
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

// Steps to the next line, into raw. A line that may run a program is looked through for
// loop variables in the pass that finds its end, as take() would look through it anyway;
// the answer is whether it holds none (false for any other line: not looked for yet).
bool nextLine(LineCursor& cursor, std::string_view& raw) {
    const std::string_view rest = cursor.rest();
    // The first look takes the first byte lower-cased, the second, and whether there is more.
    const char head[3] = {batch::asciiLower(rest[0]), rest.size() > 1 ? rest[1] : '\0', 0};
    if (!ScriptParser::mayRunProgram({head, std::min<std::size_t>(rest.size(), 3)})) {
        cursor.next(raw);
        return false;
    }
    using namespace batch;
    constexpr std::uint8_t kinds = kLineEndByte | kPercentByte;
    bool loopVariable = false;
    std::size_t at = findKind(rest, 0, kinds);
    for (; at < rest.size() && (kindOf(rest[at]) & kPercentByte) != 0;
         at = findKind(rest, at + 1, kinds)) {
        loopVariable =
            loopVariable || (at + 1 < rest.size() && (rest[at + 1] == '%' || rest[at + 1] == '~'));
    }
    raw = rest.substr(0, at);
    cursor.skipLine(at);
    return !loopVariable;
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
    // The start of a line lower-cased, held in head.
    const auto lowerHead = [&head](std::string_view line) {
        const std::size_t size = std::min(line.size(), kLowerHead);
        for (std::size_t i = 0; i < size; ++i) {
            head[i] = asciiLower(line[i]);
        }
        return std::string_view(head.data(), size);
    };
    std::string_view raw;
    Continued continued = Continued::No;
    // Until the first command an "@echo off" is the header the writer sets anew; any
    // later one switches echo off where it stands.
    bool headerAhead = true;
    ReleaseBehind done(bytes, release);
    while (!cursor.atEnd()) {
        // Nothing before the line at hand is looked at again.
        done.doneBefore(cursor.rest().data());
        if (list.size() > kMaxInputActions) {
            return {FileStatus::Failed, {}};
        }
        // A cheap first look at the line's first byte.
        const char first = cursor.rest().front();
        if (continued == Continued::No && ((first | 0x20) == 'n' || isBlank(first)) &&
            parser.takeNetUseLine(cursor)) {
            headerAhead = false;
            continue;
        }
        const bool loopFree = nextLine(cursor, raw);
        if (continued != Continued::No) {
            // Part of the command above: kept exactly as it stands, even when empty.
            parser.keep(raw);
            continued = raw.ends_with('^')                               ? Continued::ByCaret
                        : continued == Continued::ByCaret && raw.empty() ? Continued::ByEmptyLine
                                                                         : Continued::No;
            continue;
        }
        // Most scripts leave an empty line between commands.
        if (raw.empty()) {
            continue;
        }
        std::string_view line = trimmed(raw);
        std::string_view lower = lowerHead(line);
        if (lower.empty() || equalsLower(line, kBannerLower)) {
            continue;
        }
        if (headerAhead && equalsLower(line, "@echo off")) {
            headerAhead = false;
            continue;
        }
        headerAhead = headerAhead && isComment(lower);
        // Leading blanks are indentation; trailing ones may belong to a value the line sets.
        std::string_view kept = raw.substr(static_cast<std::size_t>(line.data() - raw.data()));
        if (raw.ends_with('^')) {
            continued = Continued::ByCaret;
            parser.keep(kept);
            continue;
        }
        using Under = ScriptParser::Under;
        const Under under = ScriptParser::mayHaveCondition(lower)
                                ? parser.readCondition(kept, lower, cursor, kept)
                                : Under::None;
        if (under == Under::Taken) {
            continue;
        }
        if (under == Under::Command) {
            line = trimmed(kept);
            lower = lowerHead(line);
        }
        // One place takes every line apart, so that it stays inline in this loop.
        // What was found of the raw line holds for its command only when it has no condition.
        parser.take(line, lower, kept, loopFree && under == Under::None, cursor);
        if (under == Under::Command) {
            parser.endCondition();
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
