// kestrune-cli: reads a template or a batch script and shows it or writes it again.

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_list.h"
#include "core/document.h"
#include "core/item_keys.h"
#include "core/text8.h"
#include "files/file_io.h"
#include "files/messages.h"
#include "files/script_format.h"
#include "files/template_format.h"

namespace {

using namespace kestrune;

constexpr std::string_view kUsage =
    "Usage:\n"
    "  kestrune-cli show FILE            one line per action: kind, icon key and Details\n"
    "  kestrune-cli make FILE [OUT]      write FILE's actions as a batch script to OUT\n"
    "  kestrune-cli save FILE OUT        write FILE's actions as a template to OUT\n"
    "  kestrune-cli --help | --version\n"
    "\n"
    "FILE ending in .lst is read as a template, any other as a batch script.\n"
    "OUT of make defaults to FILE with .bat in place of its last four characters;\n"
    "an OUT of - writes to standard output.\n";

int usageError() {
    std::cerr << kUsage;
    return 2;
}

int fail(std::string message) {
    for (char& c : message) {
        if (c == '\r') {
            c = '\n';
        }
    }
    std::cerr << message << '\n';
    return 1;
}

bool readDocument(const std::string& path, ActionList& list, std::string& message) {
    auto keys = ItemKeySource::fromClock();
    const auto result = IsTemplatePath(path) ? readTemplateFile(path, list, keys)
                                             : readScriptFile(path, list, keys);
    message = result.message;
    return result.ok();
}

int show(const ActionList& list) {
    std::string out;
    for (const auto& action : list) {
        out += utf8FromCp1252(action.kind);
        out += '\t';
        out += action.iconKey;
        out += '\t';
        out += utf8FromCp1252(action.details);
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int write(const std::string& out, const ActionList& list, bool asScript) {
    if (out == "-") {
        const auto file = asScript ? renderScript(list) : renderTemplate(list);
        if (file.failedRow) {
            return fail(asScript ? messages::scriptSaveFailed(out)
                                 : messages::templateSaveFailed(
                                       out, missingShareError(list, *file.failedRow)));
        }
        std::fwrite(file.bytes.data(), 1, file.bytes.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    const auto result = asScript ? writeScriptFile(out, list) : writeTemplateFile(out, list);
    return result.ok() ? 0 : fail(result.message);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file-size limit (ulimit -f) a write then fails with EFBIG and is told like any
    // failed save, instead of the signal ending the program with the work unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "kestrune-cli " KESTRUNE_VERSION "\n";
        return 0;
    }
    if (args.size() < 2) {
        return usageError();
    }
    const std::string& command = args[0];
    const std::string file(trimmed(args[1]));
    const bool isShow = command == "show" && args.size() == 2;
    const bool isMake = command == "make" && args.size() <= 3;
    const bool isSave = command == "save" && args.size() == 3;
    if (!isShow && !isMake && !isSave) {
        return usageError();
    }

    ActionList list;
    std::string message;
    if (!readDocument(file, list, message)) {
        return fail(message);
    }
    if (isShow) {
        return show(list);
    }
    if (isSave) {
        return write(args[2], list, false);
    }
    const std::string out = args.size() == 3
                                ? args[2]
                                : file.substr(0, file.size() - lastChars(file, 4).size()) + ".bat";
    return write(out, list, true);
}
