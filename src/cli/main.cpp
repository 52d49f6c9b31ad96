// kestrune-cli: reads a template or a batch script and shows it, writes it again, checks it
// against its servers or tells what writing it back would change.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/check_texts.h"
#include "check/checker.h"
#include "cli/cli_output.h"
#include "cli/diff_command.h"
#include "cli/terminal_password.h"
#include "core/action_list.h"
#include "core/cp1252_text.h"
#include "files/document_reader.h"
#include "files/file_io.h"
#include "files/interrupt_cleanup.h"
#include "files/messages.h"
#include "files/save_target.h"
#include "files/script_format.h"
#include "files/template_format.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using namespace kestrune;
using cli::fail;
using cli::tell;

constexpr std::string_view kUsage =
    "Usage:\n"
    "  kestrune-cli show [--template] [--long] FILE\n"
    "                                             one line per action: kind, icon key and\n"
    "                                             Details; --long puts the condition (empty\n"
    "                                             for always) before Details\n"
    "  kestrune-cli make [--template] FILE [OUT]  write FILE's actions as a batch script\n"
    "  kestrune-cli save [--template] FILE OUT    write FILE's actions as a template\n"
    "  kestrune-cli check [--template] FILE [--server NAME=ADDRESS[:PORT]]... [--user NAME]\n"
    "                                             check each share, printer and file FILE's\n"
    "                                             actions name on their servers\n"
    "  kestrune-cli diff [--template] FILE        what writing FILE back would change, as\n"
    "                                             diff -u shows it\n"
    "  kestrune-cli -h | --help | --version\n"
    "\n"
    "FILE ending in .lst is read as a template, any other as a batch script;\n"
    "--template reads any FILE as a template. A FILE of - reads standard input.\n"
    "OUT of make defaults to FILE with .bat in place of its last four characters\n"
    "(standard output for a FILE of -); an OUT of - writes to standard output.\n"
    "\n"
    "check runs nothing and changes nothing. It prints one line per action, separated\n"
    "by tabs: its position (from 1), its kind, ok, skipped, warning or problem, and the\n"
    "reason. It exits with 1 when any action has a problem. --server finds a server\n"
    "the system can't resolve (repeatable); access is as guest unless --user is given,\n"
    "its password taken from KESTRUNE_PASSWORD or asked on the terminal.\n"
    "\n"
    "diff compares FILE with what make (a script) or save (a template) would write\n"
    "back over it, line by line with the line ends. It prints nothing and exits with 0\n"
    "when no byte would change, and the changes with 3 when some would.\n";

int usageError() {
    std::cerr << kUsage;
    return 2;
}

constexpr std::string_view kStandardStream = "-";

bool readDocument(const std::string& path, bool asTemplate, ActionList& list, Message& message) {
    const bool isStream = path == kStandardStream;
    // A save of the file cut short in the middle of rewriting it left its complete copy.
    if (!isStream) {
        if (const auto copy = findRecoveryCopy(path)) {
            tell(messages::interruptedSave(path, *copy));
        }
    }
    // Standard input is held to the same size and action limits as a file.
    const auto read = kestrune::readDocument(path, list, asTemplate, isStream ? stdin : nullptr);
    message = read.result.message;
    return read.result.ok();
}

// Fields separated by tabs; Details last, as they may hold tabs themselves.
int show(const ActionList& list, bool withCondition) {
    // One buffer written out whenever it fills: a big list is never held twice.
    constexpr std::size_t kChunk = 1 << 16;
    std::string out;
    out.reserve(kChunk + 4096);
    bool ok = true;
    const auto flush = [&out, &ok] {
        ok = std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && ok;
        out.clear();
    };
    for (const auto& action : list) {
        appendUtf8FromCp1252(action.kind, out);
        out += '\t';
        out += action.iconKey;
        out += '\t';
        if (withCondition) {
            out += action.condition;  // printable ASCII
            out += '\t';
        }
        appendUtf8FromCp1252(action.details, out);
        out += '\n';
        if (out.size() >= kChunk) {
            flush();
        }
    }
    flush();
    return std::fflush(stdout) == 0 && ok ? 0 : 1;
}

int write(const std::string& out, const ActionList& list, bool asScript) {
    if (out == kStandardStream) {
        // Messages name what they write to: "-" is no file.
        const std::string name = "standard output";
        const auto file = asScript ? renderScript(list) : renderTemplate(list);
        if (file.failedRow) {
            return fail(asScript ? scriptRefusedMessage(name, list, file)
                                 : templateRefusedMessage(name, list, file));
        }
        std::fwrite(file.bytes.data(), 1, file.bytes.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    const auto result = asScript ? writeScriptFile(out, list) : writeTemplateFile(out, list);
    return result.ok() ? 0 : fail(result.message);
}

// check FILE [--server NAME=ADDRESS[:PORT]]... [--user NAME], --template anywhere.
int checkCommand(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    bool asTemplate = false;
    check::Connection connection;
    bool hasUser = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string value;
        const bool isServer = arg == "--server" || arg.starts_with("--server=");
        const bool isUser = arg == "--user" || arg.starts_with("--user=");
        if (isServer || isUser) {
            const auto equals = arg.find('=');
            if (equals != std::string_view::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return usageError();
            }
        }
        if (isServer) {
            const auto mapping = check::parseServerMapping(value);
            if (!mapping) {
                std::cerr << "not NAME=ADDRESS[:PORT]: " << value << '\n';
                return usageError();
            }
            connection.servers[mapping->first] = mapping->second;
        } else if (isUser) {
            if (value.empty() || hasUser) {
                return usageError();
            }
            connection.user = value;
            hasUser = true;
        } else if (arg == "--template") {
            asTemplate = true;
        } else if (arg.starts_with("--")) {
            return usageError();
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1) {
        return usageError();
    }

    ActionList list;
    Message message;
    if (!readDocument(std::string(trimmed(files[0])), asTemplate, list, message)) {
        return fail(message);
    }
    if (hasUser) {
        if (const char* password = std::getenv("KESTRUNE_PASSWORD")) {
            connection.password = password;
        } else if (auto asked = cli::askPassword("Password for " + connection.user + ": ")) {
            connection.password = std::move(*asked);
        } else {
            return fail("No password for " + connection.user +
                        ": set KESTRUNE_PASSWORD or run on a terminal.");
        }
    }

    bool problem = false;
    std::optional<Message> failure;
    try {
        const auto backend = check::makeSystemBackend(connection);
        check::Checker checker(*backend);
        checker.run(list, [&problem](const check::CheckResult& result) {
            problem = problem || result.outcome == check::Outcome::Problem;
            std::string line = std::to_string(result.position) + '\t' +
                               utf8FromCp1252(result.kind) + '\t' +
                               std::string(check::outcomeName(result.outcome)) + '\t' +
                               utf8FromCp1252(EnglishText(result.reason)) + '\n';
            // Each line as soon as it is known: a slow server shows where it is.
            std::fwrite(line.data(), 1, line.size(), stdout);
            std::fflush(stdout);
            return true;
        });
        failure = checker.failure();
    } catch (const std::bad_alloc&) {
        failure = check::texts::outOfMemory();
    }
    if (failure) {
        return fail(*failure);
    }
    return problem || std::ferror(stdout) ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Ctrl-C, a closed terminal or a kill in the middle of a save leaves no new file behind.
    kestrune::removeTemporariesOnInterrupt();
#ifdef SIGXFSZ
    // Past a file-size limit (ulimit -f) a write then fails with EFBIG and is told like any
    // failed save, instead of the signal ending the program with the work unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef _WIN32
    // The writers put CR LF themselves; text mode would make that CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    if (argc > 1 && std::string_view(argv[1]) == "check") {
        return checkCommand(std::vector<std::string>(argv + 1, argv + argc));
    }
    std::vector<std::string> args;
    bool asTemplate = false;
    bool isLong = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--template") {
            asTemplate = true;
        } else if (std::string_view(argv[i]) == "--long") {
            isLong = true;
        } else {
            args.emplace_back(argv[i]);
        }
    }
    if (args.size() == 1 && !asTemplate && !isLong && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (args.size() == 1 && !asTemplate && !isLong && args[0] == "--version") {
        std::cout << "kestrune-cli " KESTRUNE_VERSION "\n";
        return 0;
    }
    if (args.size() < 2) {
        return usageError();
    }
    const std::string& command = args[0];
    const std::string file(trimmed(args[1]));
    const bool isShow = command == "show" && args.size() == 2;
    const bool isMake = command == "make" && args.size() <= 3 && !isLong;
    const bool isSave = command == "save" && args.size() == 3 && !isLong;
    const bool isDiff = command == "diff" && args.size() == 2 && !isLong;
    if (!isShow && !isMake && !isSave && !isDiff) {
        return usageError();
    }
    if (isDiff) {
        return cli::diffCommand(file, asTemplate);
    }

    ActionList list;
    Message message;
    if (!readDocument(file, asTemplate, list, message)) {
        return fail(message);
    }
    if (isShow) {
        return show(list, isLong);
    }
    if (isSave) {
        return write(args[2], list, false);
    }
    std::string out;
    if (args.size() == 3) {
        out = args[2];
    } else if (file == kStandardStream) {
        out = kStandardStream;
    } else {
        out = file.substr(0, file.size() - lastChars(file, 4).size()) + ".bat";
    }
    return write(out, list, true);
}
