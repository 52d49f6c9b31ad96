#pragma once

// Details written straight onto the end of a text, the way the readers add one for every
// action of a file: each piece goes in as the reader found it, with no form in between.
// Building a form and reading it back right after its fields were stored cost a reader a
// third of its time. The text is exactly what the forms of action_builders.h give (a test
// holds the two together); options, when there are any, follow as the forms put them.

#include <charconv>
#include <string>
#include <string_view>
#include <type_traits>

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

inline void appendUpperCased(std::string& out, std::string_view text) {
    const std::size_t at = out.size();
    out.resize(at + text.size());
    copyUpperCased(text.data(), out.data() + at, text.size());
}

// A drive as the script reader gives it: "G:\", or the next available drive for none.
inline void appendDrive(std::string& out, char letter) {
    if (letter == 0) {
        out.append(kNextAvailableDrive);
    } else {
        // Byte by byte: a word built of these bytes on the stack would be read back at once.
        out.push_back(letter);
        out.append(":\\");
    }
}

inline void appendNumber(std::string& out, int number) {
    if (number > 0) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        out.append(digits, static_cast<std::size_t>(end - digits));
    }
}

// "Map " SHARE " as " DRIVE; the drive as a letter (0 for the next available drive) or as
// the text the file holds.
template <typename Drive>
void AppendMapDrive(std::string& out, std::string_view share, Drive drive,
                    const ActionOptions* options) {
    const std::size_t start = out.size();
    out.append(kMapPrefix);
    appendUpperCased(out, share);
    out.append(kAs);
    if constexpr (std::is_same_v<Drive, char>) {
        appendDrive(out, drive);
    } else {
        out.append(drive);
    }
    appendSuffix(out, start, options);
}

// "Map home directory on " SERVER " as " DRIVE
template <typename Drive>
void AppendHomeMapping(std::string& out, std::string_view server, Drive drive,
                       const ActionOptions* options) {
    const std::size_t start = out.size();
    out.append(kHomePrefix);
    out.append(server);
    out.append(kAs);
    if constexpr (std::is_same_v<Drive, char>) {
        appendDrive(out, drive);
    } else {
        out.append(drive);
    }
    appendSuffix(out, start, options);
}

// "Map printer " SHARE, and " on LPT" N for a port above 0.
inline void AppendPrinter(std::string& out, std::string_view share, int port,
                          const ActionOptions* options) {
    const std::size_t start = out.size();
    out.append(kPrinterPrefix);
    appendUpperCased(out, share);
    if (port > 0) {
        out.append(kOnLpt);
        appendNumber(out, port);
    }
    appendSuffix(out, start, options);
}

// "Map " SHARE " on LPT" N: the script reader's printer on its port.
inline void AppendPrinterOnPort(std::string& out, std::string_view share, int port,
                                const ActionOptions* options) {
    const std::size_t start = out.size();
    out.append(kMapPrefix);
    appendUpperCased(out, share);
    out.append(kOnLpt);
    appendNumber(out, port);
    appendSuffix(out, start, options);
}

// "Remote: " PATH or "Local: " PATH, for Run Application and Merge Registry alike.
inline void AppendProgram(std::string& out, bool remote, std::string_view path,
                          const ActionOptions* options) {
    const std::size_t start = out.size();
    out.append(remote ? kRemotePrefix : kLocalPrefix);
    appendUpperCased(out, path);
    appendSuffix(out, start, options);
}

inline void AppendMessage(std::string& out, std::string_view path) {
    out.append(kMessagePrefix);
    appendUpperCased(out, path);
}

// "Disconnect drive G:"; the letter upper-cased.
inline void AppendDisconnectDrive(std::string& out, char letter, const ActionOptions* options) {
    const std::size_t start = out.size();
    out.append(kDisconnectDrive);
    out.push_back(upperByte(letter));
    out.push_back(':');
    appendSuffix(out, start, options);
}

inline void AppendDisconnectAll(std::string& out, const ActionOptions* options) {
    const std::size_t start = out.size();
    out.append(kDisconnectAll);
    appendSuffix(out, start, options);
}

// "Disconnect printer LPT" N
inline void AppendDisconnectPrinter(std::string& out, int port, const ActionOptions* options) {
    const std::size_t start = out.size();
    out.append(kDisconnectPrinter);
    appendNumber(out, port);
    appendSuffix(out, start, options);
}

}  // namespace kestrune::details
