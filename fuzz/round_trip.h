#pragma once

// The check both fuzz targets make: what a reader took from any input, written out and
// read again, gives the same actions, and those write the same bytes. A violation
// aborts, so that libFuzzer keeps the input that caused it.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/action_list.h"
#include "files/template_format.h"

namespace kestrune::fuzz {

[[noreturn]] inline void violation(const char* what) {
    std::fprintf(stderr, "round trip broken: %s\n", what);
    std::abort();
}

// Bytes outside printable ASCII as \xNN, so that tabs, NULs and 8-bit text show.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            out.push_back(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            out.append(hex);
        }
    }
    return out;
}

inline void printAction(const char* label, const Action& a) {
    std::fprintf(stderr, "  %s: kind \"%s\", icon \"%s\", details \"%s\", condition \"%s\"\n",
                 label, a.kind.c_str(), a.iconKey.c_str(), escaped(a.details).c_str(),
                 escaped(a.condition).c_str());
}

// Item keys are random by design and never written, so only what a user sees counts.
inline void expectSameActions(const ActionList& read, const ActionList& reread) {
    if (read.size() != reread.size()) {
        std::fprintf(stderr, "  %zu actions read, %zu read again\n", read.size(), reread.size());
        violation("a different number of actions");
    }
    for (std::size_t row = 0; row < read.size(); ++row) {
        const Action& a = read[row];
        const Action& b = reread[row];
        if (a.kind != b.kind || a.iconKey != b.iconKey || a.details != b.details ||
            a.condition != b.condition) {
            std::fprintf(stderr, "  action %zu differs\n", row + 1);
            printAction("read      ", a);
            printAction("read again", b);
            violation("a different action");
        }
    }
}

inline void expectSameBytes(const RenderedFile& written, const RenderedFile& rewritten) {
    if (rewritten.failedRow) {
        std::fprintf(stderr, "  action %zu can't be written again\n", *rewritten.failedRow + 1);
        violation("a second write failed");
    }
    if (written.bytes != rewritten.bytes) {
        violation("different bytes written the second time");
    }
}

}  // namespace kestrune::fuzz
