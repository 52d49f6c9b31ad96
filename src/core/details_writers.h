#pragma once

// Details written straight onto the end of a text, the way the readers add one for every
// action of a file: each piece goes in as the reader found it, with no form in between.
// Building a form and reading it back right after its fields were stored cost a reader a
// third of its time. The text is exactly what the forms of action_builders.h give (a test
// holds the two together); options, when there are any, follow as the forms put them.

#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

#include "core/action_options.h"
#include "core/cp1252_text.h"
#include "core/details.h"

namespace kestrune::details {

// " with " and the options; the base written from start on loses the one blank some
// producers put after a drive.
void AppendOptionsSuffix(std::string& out, std::size_t start, const ActionOptions& options);

inline void appendSuffix(std::string& out, std::size_t start, const ActionOptions* options) {
    if (options != nullptr && !options->empty()) {
        AppendOptionsSuffix(out, start, *options);
    }
}

// The pieces a Details text is made of, each put in place after one resize of the text:
// copied as they stand, upper-cased, a drive letter with ":\", a number.
struct Cased {
    std::string_view text;
};
struct DriveLetter {
    char letter;
};
struct Number {
    int value;
};

inline std::size_t sizeOf(std::string_view piece) {
    return piece.size();
}
inline std::size_t sizeOf(Cased piece) {
    return piece.text.size();
}
inline std::size_t sizeOf(DriveLetter) {
    return 3;
}
inline std::size_t sizeOf(Number piece) {
    std::size_t digits = 1;
    for (int rest = piece.value; rest >= 10; rest /= 10) {
        ++digits;
    }
    return piece.value > 0 ? digits : 0;
}

inline char* put(char* to, std::string_view piece) {
    std::memcpy(to, piece.data(), piece.size());
    return to + piece.size();
}
inline char* put(char* to, Cased piece) {
    copyUpperCased(piece.text.data(), to, piece.text.size());
    return to + piece.text.size();
}
inline char* put(char* to, DriveLetter piece) {
    // Byte by byte: a word of these bytes built first would be read back at once.
    to[0] = piece.letter;
    to[1] = ':';
    to[2] = '\\';
    return to + 3;
}
inline char* put(char* to, Number piece) {
    const std::size_t size = sizeOf(piece);
    std::to_chars(to, to + size, piece.value);
    return to + size;
}

template <typename... Pieces>
void appendPieces(std::string& out, Pieces... pieces) {
    const std::size_t at = out.size();
    out.resize(at + (sizeOf(pieces) + ...));
    char* to = out.data() + at;
    ((to = put(to, pieces)), ...);
}

// A drive as the script reader gives it, a letter (0 for the next available drive), or as
// the text a file holds; after the pieces before it.
template <typename... Before>
void appendWithDrive(std::string& out, char letter, Before... before) {
    if (letter != 0) {
        appendPieces(out, before..., DriveLetter{letter});
    } else {
        appendPieces(out, before..., kNextAvailableDrive);
    }
}
template <typename... Before>
void appendWithDrive(std::string& out, std::string_view drive, Before... before) {
    appendPieces(out, before..., drive);
}

// "Map " SHARE " as " DRIVE; the drive as a letter (0 for the next available drive) or as
// the text the file holds.
template <typename Drive>
void AppendMapDrive(std::string& out, std::string_view share, Drive drive,
                    const ActionOptions* options) {
    const std::size_t start = out.size();
    appendWithDrive(out, drive, kMapPrefix, Cased{share}, kAs);
    appendSuffix(out, start, options);
}

// "Map home directory on " SERVER " as " DRIVE
template <typename Drive>
void AppendHomeMapping(std::string& out, std::string_view server, Drive drive,
                       const ActionOptions* options) {
    const std::size_t start = out.size();
    appendWithDrive(out, drive, kHomePrefix, server, kAs);
    appendSuffix(out, start, options);
}

// "Map printer " SHARE, and " on LPT" N for a port above 0.
inline void AppendPrinter(std::string& out, std::string_view share, int port,
                          const ActionOptions* options) {
    const std::size_t start = out.size();
    if (port > 0) {
        appendPieces(out, kPrinterPrefix, Cased{share}, kOnLpt, Number{port});
    } else {
        appendPieces(out, kPrinterPrefix, Cased{share});
    }
    appendSuffix(out, start, options);
}

// "Map " SHARE " on LPT" N: the script reader's printer on its port.
inline void AppendPrinterOnPort(std::string& out, std::string_view share, int port,
                                const ActionOptions* options) {
    const std::size_t start = out.size();
    appendPieces(out, kMapPrefix, Cased{share}, kOnLpt, Number{port});
    appendSuffix(out, start, options);
}

// "Remote: " PATH or "Local: " PATH, for Run Application and Merge Registry alike.
inline void AppendProgram(std::string& out, bool remote, std::string_view path,
                          const ActionOptions* options) {
    const std::size_t start = out.size();
    appendPieces(out, remote ? kRemotePrefix : kLocalPrefix, Cased{path});
    appendSuffix(out, start, options);
}

inline void AppendMessage(std::string& out, std::string_view path) {
    appendPieces(out, kMessagePrefix, Cased{path});
}

// "Disconnect drive G:"; the letter upper-cased.
inline void AppendDisconnectDrive(std::string& out, char letter, const ActionOptions* options) {
    const std::size_t start = out.size();
    appendPieces(out, kDisconnectDrive, Cased{std::string_view(&letter, 1)}, std::string_view(":"));
    appendSuffix(out, start, options);
}

inline void AppendDisconnectAll(std::string& out, const ActionOptions* options) {
    const std::size_t start = out.size();
    appendPieces(out, kDisconnectAll);
    appendSuffix(out, start, options);
}

// "Disconnect printer LPT" N
inline void AppendDisconnectPrinter(std::string& out, int port, const ActionOptions* options) {
    const std::size_t start = out.size();
    appendPieces(out, kDisconnectPrinter, Number{port});
    appendSuffix(out, start, options);
}

}  // namespace kestrune::details
