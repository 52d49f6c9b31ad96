#include "files/program_lines.h"

#include "core/cp1252_text.h"
#include "files/batch_words.h"

namespace kestrune {

namespace {

using namespace batch;

constexpr auto npos = std::string_view::npos;
constexpr std::string_view kLogonServer = "%logonserver%\\";

// The first word of text: a double-quoted text (without its quotes) that stands apart from
// what follows, or a bare word free of quotes and of what cmd.exe acts on; and the rest,
// trimmed.
struct PathWord {
    std::string_view path;
    std::string_view rest;
    bool quoted = false;
};

std::optional<PathWord> pathWord(std::string_view text) {
    PathWord word;
    if (text.starts_with('"')) {
        const auto close = text.find('"', 1);
        if (close == npos || (close + 1 < text.size() && !isBlank(text[close + 1]))) {
            return std::nullopt;
        }
        word.path = text.substr(1, close - 1);
        word.rest = trimmed(text.substr(close + 1));
        word.quoted = true;
        return word;
    }
    // Up to the first blank; "%" is the only kind of byte the word may hold.
    std::size_t end = skipPlainBytes(text, 0);
    while (end < text.size() && kindOf(text[end]) == kPercentByte) {
        end = skipPlainBytes(text, end + 1);
    }
    if (end < text.size() && kindOf(text[end]) != kBlankByte) {
        return std::nullopt;
    }
    word.path = text.substr(0, end);
    word.rest = trimmed(text.substr(end));
    return word;
}

// A quoted path of the new forms is taken as it stands: blanks inside the quotes at either
// end would be part of the name cmd.exe looks for.
bool isWholePath(std::string_view path) {
    return !path.empty() && trimmed(path) == path;
}

bool isRemote(std::string_view path) {
    return isShare(path) || startsWithLower(path, kLogonServer);
}

// The extension after the last dot of the file name, letters and digits only; empty when
// there is none.
std::string_view extensionOf(std::string_view path) {
    // Back from the end over letters and digits: what stops the scan must be that dot.
    std::size_t start = path.size();
    while (start > 0 &&
           (isAsciiLetter(path[start - 1]) || (path[start - 1] >= '0' && path[start - 1] <= '9'))) {
        --start;
    }
    if (start == 0 || start == path.size() || path[start - 1] != '.') {
        return {};
    }
    return path.substr(start);
}

bool isBatchExtension(std::string_view extension) {
    return equalsLower(extension, "bat") || equalsLower(extension, "cmd");
}
bool isBatchFile(std::string_view path) {
    return isBatchExtension(extensionOf(path));
}

std::optional<ProgramLine> program(std::string_view path, std::string_view arguments, bool wait) {
    if (!arguments.empty() && !AreArguments(arguments)) {
        return std::nullopt;
    }
    ProgramLine line;
    line.remote = isRemote(path);
    line.path = path;
    line.options.wait = wait;
    line.options.arguments = arguments;
    return line;
}

// start [""] PATH [ARGS]
std::optional<ProgramLine> startLine(std::string_view line) {
    auto rest = trimmed(line.substr(5));
    // The empty window title this program writes first.
    const bool titled = rest.starts_with("\"\"") && rest.size() > 2 && isBlank(rest[2]);
    if (titled) {
        rest = trimmed(rest.substr(2));
    }
    const auto word = pathWord(rest);
    if (!word || (!word->quoted && word->path.starts_with('/'))) {
        return std::nullopt;
    }
    // A quoted path is trimmed, as it always was.
    const auto path = word->quoted ? trimmed(word->path) : word->path;
    const bool hasArguments = !word->rest.empty();
    if (hasArguments && (word->quoted ? !titled : extensionOf(path).empty())) {
        return std::nullopt;
    }
    if (!isRemote(path) && !(path.size() >= 2 && path[1] == ':')) {
        return std::nullopt;
    }
    if (!hasArguments && equalsLower(lastChars(path, 4), ".reg")) {
        ProgramLine merge;
        merge.kind = ActionKind::MergeRegistry;
        merge.remote = isRemote(path);
        merge.path = path;
        return merge;
    }
    return program(path, word->rest, false);
}

// PATH [ARGS] at the start of the line, from \\, X:\ or %LOGONSERVER%\.
std::optional<ProgramLine> waitedLine(std::string_view line) {
    const auto word = pathWord(line);
    if (!word || !isWholePath(word->path)) {
        return std::nullopt;
    }
    const auto path = word->path;
    const bool fromDrive =
        path.size() >= 3 && isAsciiLetter(path[0]) && path[1] == ':' && path[2] == '\\';
    const auto extension = extensionOf(path);
    if (!(fromDrive || isRemote(path)) || extension.empty() || isBatchExtension(extension)) {
        return std::nullopt;
    }
    return program(path, word->rest, true);
}

// call PATH [ARGS], PATH a batch file: without call the caller would never go on.
std::optional<ProgramLine> callLine(std::string_view line) {
    const auto word = pathWord(trimmed(line.substr(4)));
    if (!word || !isWholePath(word->path) || !isBatchFile(word->path)) {
        return std::nullopt;
    }
    return program(word->path, word->rest, true);
}

// reg import PATH, regedit[.exe] /s|-s PATH
std::optional<ProgramLine> mergeLine(std::string_view line) {
    ProgramLine merge;
    merge.kind = ActionKind::MergeRegistry;
    std::string_view rest;
    if (firstWordIs(line, "reg")) {
        rest = trimmed(line.substr(3));
        if (!firstWordIs(rest, "import")) {
            return std::nullopt;
        }
        rest = trimmed(rest.substr(6));
        merge.options.method = MergeMethod::RegImport;
    } else {
        const std::size_t program = firstWordIs(line, "regedit") ? 7 : 11;
        rest = trimmed(line.substr(program));
        if (!(firstWordIs(rest, "/s") || firstWordIs(rest, "-s"))) {
            return std::nullopt;
        }
        rest = trimmed(rest.substr(2));
        merge.options.method = MergeMethod::Regedit;
    }
    const auto word = pathWord(rest);
    if (!word || !word->rest.empty() || !isWholePath(word->path) ||
        !equalsLower(extensionOf(word->path), "reg")) {
        return std::nullopt;
    }
    merge.path = word->path;
    merge.remote = isRemote(word->path);
    return merge;
}

}  // namespace

std::optional<ProgramLine> ParseProgramLine(std::string_view line) {
    // The first letter tells which command it may be.
    const char first = line.empty() ? 0 : asciiLower(line[0]);
    if (first == 's' && firstWordIs(line, "start")) {
        return startLine(line);
    }
    if (first == 'c' && firstWordIs(line, "call")) {
        return callLine(line);
    }
    if (first == 'r' && (firstWordIs(line, "reg") || firstWordIs(line, "regedit") ||
                         firstWordIs(line, "regedit.exe"))) {
        return mergeLine(line);
    }
    if (!line.empty() && (line[0] == '"' || line[0] == '\\' || line[0] == '%' ||
                          (line.size() > 2 && line[1] == ':'))) {
        return waitedLine(line);
    }
    return std::nullopt;
}

bool AppendProgramLine(std::string& out, std::string_view path, const ActionOptions& options,
                       Refusal& refusal) {
    const auto quotedPath = [&out, path, &refusal] {
        // A double quote can't be part of a Windows path, and inside the quotes the line
        // puts around it, it would end them and let the rest run as commands.
        if (path.find('"') != npos) {
            refusal = Refusal::QuoteInPath;
            return false;
        }
        out.append(path).push_back('"');
        return true;
    };
    if (options.method != MergeMethod::Start) {
        out.append(options.method == MergeMethod::RegImport ? "reg import \"" : "regedit /s \"");
        return quotedPath();
    }
    if (options.wait) {
        out.append(isBatchFile(path) ? "call \"" : "\"");
    } else {
        // cmd.exe takes a first quoted argument of START as the window title, so an empty
        // title goes first.
        out.append("Start \"\" \"");
    }
    if (!quotedPath()) {
        return false;
    }
    if (!options.arguments.empty()) {
        out.append(" ").append(options.arguments);
    }
    return true;
}

}  // namespace kestrune
