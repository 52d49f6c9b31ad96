// Reads any bytes as a batch script, then checks that what was read survives a write and
// a second read unchanged.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/script_format.h"
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
    return 0;
}
