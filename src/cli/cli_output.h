#pragma once

// What every command of kestrune-cli shares in telling of a failure.

#include <iostream>
#include <string>

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

// Tells of a failure; the failure's exit status.
inline int fail(std::string message) {
    tell(std::move(message));
    return 1;
}

}  // namespace kestrune::cli
