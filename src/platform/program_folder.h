#pragma once

// The folder that holds the program file, and the folders that stand in for it where an
// installed program may not write: the temporary batch file goes to the user's own data
// folder then, and the file dialogs start in the user's documents.

#include <QString>
#include <string_view>

namespace kestrune {

// The running executable's folder, with the platform's separators.
QString ProgramFolder();

// folder, the platform's separator and name.
QString FileInFolder(const QString& folder, std::string_view name);

// Whether the user may create files in folder: a build tree or a private copy, not a
// system-wide install.
bool UserCanWrite(const QString& folder);

// Whether folder is the user's own to write in: they can write it and it is not the folder
// the program is installed to (which root, too, can write).
bool OwnProgramFolder(const QString& folder);

// Where the temporary batch file is written. usable is false when the per-user folder
// could not be made or is not the user's own: nothing may be written there then.
struct ScriptFolder {
    QString path;
    bool usable = true;
};

// The program's folder when the user can write it, else the per-user data folder, created
// for the user alone (0700) and checked to belong to them and no one else.
ScriptFolder TemporaryScriptFolder(const QString& programFolder);

// Where Open and the first Save or Make start: the program's folder on Windows and in a
// folder the user can write, else the user's documents.
QString DocumentStartFolder(const QString& programFolder);

}  // namespace kestrune
