#pragma once

// The folder that holds the program file, where the temporary batch file and the help
// file live, and the paths of files in it as the messages name them.

#include <QString>
#include <string_view>

namespace kestrune {

// The running executable's folder, with the platform's separators.
QString ProgramFolder();

// folder, the platform's separator and name.
QString FileInFolder(const QString& folder, std::string_view name);

}  // namespace kestrune
