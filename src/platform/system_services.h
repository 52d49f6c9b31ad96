#pragma once

// The services that reach beyond the program: starting programs, the shell's "open"
// action and the lookups that find the system information program. main() hands the real
// ones to the window; tests hand it doubles that start nothing.

namespace kestrune {

class ProgramStarter;
class ShellOpener;
class SystemLookup;

struct SystemServices {
    ProgramStarter& programs;
    ShellOpener& shell;
    SystemLookup& lookup;
};

}  // namespace kestrune
