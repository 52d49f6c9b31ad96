#pragma once

#include <string>

namespace kestrune::cli {

// kestrune-cli diff [--template] FILE: what writing FILE back would change, as diff -u
// prints it. 0 when no byte would change, 3 when some would, 1 when FILE can't be read or
// written back.
int diffCommand(const std::string& file, bool asTemplate);

}  // namespace kestrune::cli
