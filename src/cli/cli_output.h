#pragma once

// What every command of kestrune-cli shares in telling of a failure.

#include <iostream>
#include <string>

namespace kestrune::cli {

// Writes the message to standard error, its CR line breaks as new lines; the failure's exit
// status.
inline int fail(std::string message) {
    for (char& c : message) {
        if (c == '\r') {
            c = '\n';
        }
    }
    std::cerr << message << '\n';
    return 1;
}

}  // namespace kestrune::cli
