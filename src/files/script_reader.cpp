#include <array>
#include <cerrno>
#include <new>

#include "core/action.h"
#include "core/details.h"
#include "core/text8.h"
#include "files/file_io.h"
#include "files/line_cursor.h"
#include "files/messages.h"
#include "files/script_format.h"

namespace kestrune {

namespace {

constexpr auto npos = std::string_view::npos;

// True when the line's first word is exactly word: "startup.cmd" is no start line.
bool firstWordIs(std::string_view lower, std::string_view word) {
    return lower.starts_with(word) && (lower.size() == word.size() || isBlank(lower[word.size()]));
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
    return word.starts_with("\\\\");
}

// "lpt1" to "lpt9", with or without its colon: the ports a printer can be mapped to.
bool isPrinterPort(std::string_view word) {
    return word.starts_with("lpt") && word.size() >= 4 && word[3] >= '1' && word[3] <= '9' &&
           (word.size() == 4 || (word.size() == 5 && word[4] == ':'));
}

// "*" or a drive letter with its colon; anything else is no drive word. The letter's text
// goes into buffer.
std::optional<std::string_view> driveOfWord(std::string_view word, std::array<char, 3>& buffer) {
    if (word == "*") {
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
    if (rest.find('"') != npos || words(rest).size != 1) {
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

class ScriptParser {
  public:
    ScriptParser(ActionList& list, ItemKeySource& keys) : list_(list), keys_(keys) {}

    // Adds the action the line stands for. A message takes the "pause" line after it
    // from the cursor.
    void take(std::string_view line, std::string_view lower, LineCursor& cursor) {
        if (firstWordIs(lower, "net use")) {
            takeNetUse(line, lower);
        } else if (firstWordIs(lower, "start")) {
            takeStart(line);
        } else if (firstWordIs(lower, "type")) {
            takeType(line, cursor);
        } else {
            other(line);
        }
    }

  private:
    void other(std::string_view line) {
        list_.append(keys_.next(line), kind::kOther, icon::kOther, std::string(line));
    }

    void takeNetUse(std::string_view line, std::string_view lower) {
        const auto args = words(lower.substr(7));
        // NET USE LPTn[:] \\SERVER\PRINTER
        if (args.size == 2 && isPrinterPort(args[0]) && isShare(args[1])) {
            std::string text = joined({details::kMapPrefix, args[1]});
            upperCaseInPlace(text, details::kMapPrefix.size());
            const auto port = text.size() + details::kOn.size();
            text.append(details::kOn).append(args[0].substr(0, 4));
            upperCaseInPlace(text, port);
            list_.append(keys_.next(args[1]), kind::kMapPrinter, icon::kPrint, std::move(text));
            return;
        }
        // NET USE [drive] /HOME and NET USE [drive] \\SERVER\SHARE
        std::array<char, 3> letter{};
        std::optional<std::string_view> drive = details::kNextAvailableDrive;
        std::string_view target;
        if (args.size == 1) {
            target = args[0];
        } else if (args.size == 2) {
            drive = driveOfWord(args[0], letter);
            target = args[1];
        }
        if (!drive || args.empty() || args.size > 2 || args[0].starts_with("lpt")) {
            return other(line);
        }
        if (target == "/home") {
            list_.append(
                keys_.next(details::kLogonServer), kind::kMapDrive, icon::kHome,
                joined({details::kHomePrefix, details::kLogonServer, details::kAs, *drive}));
        } else if (isShare(target)) {
            std::string text = joined({details::kMapPrefix, target});
            upperCaseInPlace(text, details::kMapPrefix.size());
            text.append(details::kAs).append(*drive);
            list_.append(keys_.next(target), kind::kMapDrive, icon::kDrive, std::move(text));
        } else {
            other(line);
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
            return other(line);
        }
        const auto prefix = isRemotePath(*path) ? details::kRemotePrefix : details::kLocalPrefix;
        std::string text = joined({prefix, *path});
        upperCaseInPlace(text, prefix.size());
        auto key = keys_.next(text);
        if (text.ends_with(".REG")) {
            list_.append(std::move(key), kind::kMergeRegistry, icon::kReg, std::move(text));
        } else {
            list_.append(std::move(key), kind::kRunApplication, icon::kApp, std::move(text));
        }
    }

    // A message is written as "type" and "pause"; a "type" line without its "pause" is
    // kept as it stands, so that saving never adds a pause the script didn't have.
    void takeType(std::string_view line, LineCursor& cursor) {
        const auto path = quotedOrBarePath(trimmed(line.substr(4)));
        LineCursor next = cursor;
        std::string_view nextLine;
        if (!path || !(isRemotePath(*path) || isLocalPath(*path)) || !next.next(nextLine) ||
            lowerCased(trimmed(nextLine)) != "pause") {
            return other(line);
        }
        cursor = next;
        std::string text = joined({details::kMessagePrefix, *path});
        upperCaseInPlace(text, details::kMessagePrefix.size());
        list_.append(keys_.next(*path), kind::kDisplayMessage, icon::kMotd, std::move(text));
    }

    ActionList& list_;
    ItemKeySource& keys_;
};

// "@echo off", the banner this program writes and empty lines stand for no action;
// comments the user wrote are kept.
bool isSkipped(std::string_view lower) {
    return lower.empty() || lower == "@echo off" || lower == "rem - created with kestrune";
}

}  // namespace

FileResult parseScript(std::string_view bytes, ActionList& list, ItemKeySource& keys) {
    list.clear();
    ScriptParser parser(list, keys);
    LineCursor cursor(bytes);
    std::string lower;
    std::string_view raw;
    while (cursor.next(raw)) {
        const auto line = trimmed(raw);
        assignLowerCased(line, lower);
        if (!isSkipped(lower)) {
            parser.take(line, lower, cursor);
        }
        if (list.size() > kMaxInputActions) {
            return {FileStatus::Failed, {}};
        }
    }
    return {};
}

namespace {

FileResult takeScript(const FileBytes& file, const std::string& path, ActionList& list,
                      ItemKeySource& keys) {
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
    auto result = parseScript(file.bytes, list, keys);
    if (list.size() > kMaxInputActions) {
        list.clear();
        return {FileStatus::Failed, messages::tooManyActions(path, file.bytes.size())};
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

FileResult readScriptFile(const std::string& path, ActionList& list, ItemKeySource& keys) {
    return guarded(path, list, [&] { return takeScript(readFileBytes(path), path, list, keys); });
}

FileResult readScriptStream(std::FILE* stream, const std::string& name, ActionList& list,
                            ItemKeySource& keys) {
    return guarded(name, list,
                   [&] { return takeScript(readStreamBytes(stream), name, list, keys); });
}

}  // namespace kestrune
