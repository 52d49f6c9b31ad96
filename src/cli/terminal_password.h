#pragma once

#include <optional>
#include <string>

namespace kestrune::cli {

// Asks on the terminal with the prompt and reads one line without showing it; none when
// there is no terminal to ask on.
std::optional<std::string> askPassword(const std::string& prompt);

}  // namespace kestrune::cli
