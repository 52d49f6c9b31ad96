#pragma once

// The NET USE lines of a logon script: what the script reader takes apart, and the pieces
// the script writer puts together.
//
//   NET USE DEVICE \\SERVER\SHARE [/USER:NAME] [/SAVECRED] [/PERSISTENT:YES|NO] [/YES] [>NUL]
//   NET USE DEVICE /HOME [/PERSISTENT:YES|NO] [/YES] [>NUL]
//   NET USE DEVICE /DELETE [/YES] [>NUL]
//
// DEVICE is a drive letter and its colon, "*" or LPT1 to LPT9 (no /HOME on a port). Read in
// any case, with the switches anywhere after "net use", "/Y" for "/YES", "/D" and "/DEL" for
// "/DELETE", a port's colon, the share quoted or not, and ">nul", "> nul" or "1>nul" at the
// very end. Anything else stays the line it is: a password (or "*" for one), another switch
// or one given twice, no device, any other character cmd.exe acts on outside quotes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/action_options.h"

namespace kestrune {

struct NetUseLine {
    enum class Device : std::uint8_t { NextAvailable, Letter, Port };
    enum class Target : std::uint8_t { Share, Home, Delete };
    Device device = Device::NextAvailable;
    char letter = 0;  // upper-cased
    int port = 0;     // 1 to 9
    Target target = Target::Share;
    std::string_view share;  // without its quotes
    ActionOptions options;   // connection options only
};

// text: a line from its first word on, "net use" in any case; it may run on past the line's
// end (CR or LF) into the lines after it, which the scan stops at, so that a reader finds
// the end of the line in the same pass. The length of the line without its end, or 0 when
// it is no such line. line is filled in where the caller keeps it: a copy handed back, read
// right after its fields were stored one by one, stalled the reader.
std::size_t ParseNetUse(std::string_view text, NetUseLine& line);

// A share as the writer gives it: in double quotes when cmd.exe would split it or act on it.
void AppendNetUseShare(std::string& out, std::string_view share);
// " /USER:NAME /SAVECRED /PERSISTENT:NO /YES >NUL", as many as there are: the switches read
// the same as the options in Details.
void AppendNetUseSwitches(std::string& out, const ActionOptions& options);

}  // namespace kestrune
