#include "cli/diff_command.h"

#include <cstdio>

#include "cli/cli_output.h"
#include "files/line_comparison.h"
#include "files/messages.h"
#include "files/save_target.h"
#include "files/write_back.h"

namespace kestrune::cli {

namespace {

constexpr int kChanges = 3;

}  // namespace

int diffCommand(const std::string& file, bool asTemplate) {
    const bool standardInput = file == "-";
    // As every command that reads it: the file may be what an interrupted save left.
    if (!standardInput) {
        if (const auto copy = findRecoveryCopy(file)) {
            tell(messages::interruptedSave(file, *copy));
        }
    }
    ActionList list;
    DocumentBytes document =
        readDocumentBytes(file, list, asTemplate, standardInput ? stdin : nullptr);
    if (!document.read.result.ok()) {
        return fail(document.read.result.message);
    }
    RenderedFile written = renderDocument(list, document.read.format);
    if (written.failedRow) {
        return fail(refusedMessage(standardInput ? "standard input" : file, list, written,
                                   document.read.format));
    }
    list = {};  // the bytes are all that is compared
    const auto comparison = CompareLines(std::move(document.bytes), std::move(written.bytes));
    if (!comparison) {
        return fail("The file " + file + " is too large to compare.");
    }
    if (comparison->changedLines() == 0) {
        return 0;
    }
    bool ok = true;
    WriteUnifiedDiff(
        *comparison, file, file + " (as written by kestrune-cli)", [&ok](std::string_view piece) {
            ok = std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size() && ok;
        });
    return std::fflush(stdout) == 0 && ok ? kChanges : 1;
}

}  // namespace kestrune::cli
