// Reads any bytes as a template, then checks that what was read survives a write and a
// second read unchanged.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/template_format.h"
#include "round_trip.h"

using namespace kestrune;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Actions read before a failure stay in the list, and they too must round-trip.
    ActionList read;
    parseTemplate(bytes, "fuzz.lst", read);
    const RenderedFile written = renderTemplate(read);
    if (written.failedRow) {
        return 0;  // a share the writer can't find: reported to the user, nothing to check
    }

    ActionList reread;
    if (!parseTemplate(written.bytes, "fuzz.lst", reread).ok()) {
        fuzz::violation("a written template doesn't read back");
    }
    fuzz::expectSameActions(read, reread);
    fuzz::expectSameBytes(written, renderTemplate(reread));
    return 0;
}
