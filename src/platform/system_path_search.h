#pragma once

// Where Windows finds the program of a command line, but only in the system's folders and
// on the search path: never in the program's own folder or the current one, where a planted
// NET.exe or Start.exe could run in place of the real one.

#include <optional>
#include <string>

namespace kestrune {

// The first word of a Windows command line, without its quotes.
std::wstring FirstWord(const std::wstring& commandLine);

// The full path of program, or none when it is in none of those folders. A program named
// with a folder is taken as named. Without an extension, ".exe" and ".com" are tried.
std::optional<std::wstring> FindOnSystemPath(const std::wstring& program);

}  // namespace kestrune
