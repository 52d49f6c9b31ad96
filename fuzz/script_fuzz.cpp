// Reads any bytes as a batch script, then checks that what was read survives a write and
// a second read unchanged, and that going through a template writes the same script.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/script_format.h"
#include "files/template_format.h"
#include "round_trip.h"

using namespace kestrune;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ActionList read;
    parseScript(bytes, read);
    const RenderedFile written = renderScript(read);
    if (written.failedRow) {
        return 0;  // a share the writer can't find: reported to the user, nothing to check
    }

    ActionList reread;
    if (!parseScript(written.bytes, reread).ok()) {
        fuzz::violation("a written script doesn't read back");
    }
    fuzz::expectSameActions(read, reread);
    fuzz::expectSameBytes(written, renderScript(reread));

    // Saved as a template and made again, the script is the same.
    const RenderedFile saved = renderTemplate(read);
    if (saved.failedRow) {
        fuzz::violation("a script's actions can't be saved as a template");
    }
    ActionList fromTemplate;
    if (!parseTemplate(saved.bytes, "fuzz.lst", fromTemplate).ok()) {
        fuzz::violation("a template saved from a script doesn't read back");
    }
    fuzz::expectSameBytes(written, renderScript(fromTemplate));
    return 0;
}
