#pragma once

// What every command of kestrune-cli shares in telling of a failure.

#include <iostream>
#include <string>

#include "core/message.h"

namespace kestrune::cli {

// A message on standard error, its lines split at CR.
inline void tell(std::string message) {
    for (char& c : message) {
        if (c == '\r') {
            c = '\n';
        }
    }
    std::cerr << message << '\n';
}

// The shared layers' messages in English: scripts read them.
inline void tell(const Message& message) {
    tell(EnglishText(message));
}

// Tells of a failure; the failure's exit status.
inline int fail(std::string message) {
    tell(std::move(message));
    return 1;
}
inline int fail(const Message& message) {
    return fail(EnglishText(message));
}

}  // namespace kestrune::cli
