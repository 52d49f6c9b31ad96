#pragma once

// The window program's command line: its options, read with Qt's parser, and the path of
// the document to open, taken from the arguments as the system's bytes so that a name that
// isn't valid in the system's encoding still opens. On Windows the path is the raw text
// after the program's name; elsewhere it is the arguments joined by single blanks (the
// shell has already removed quotes there), so that a path with blanks opens whole.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace kestrune {

// The text after the program's name in a raw Windows command line. The name ends at its
// closing quote when it begins with one, else at the first blank.
QString CommandTail(const QString& commandLine);

// What the command line asks the window program to do.
struct StartRequest {
    enum class Kind {
        Open,   // show the window, and open path unless it is empty
        Print,  // print text to standard output and end (--help, --version)
        Fail,   // print text to standard error and end: a usage error
    };
    Kind kind = Kind::Open;
    QString text;
    // The system's bytes, trimmed of blanks and made absolute.
    std::string path;
};

// arguments: as the system gave them, the program's name first; currentFolder: the
// system's bytes. The version is QCoreApplication's.
StartRequest ParseStartCommand(const std::vector<std::string>& arguments,
                               const std::string& currentFolder);

// The request of this process's command line (on Windows with the raw text as the path).
StartRequest ProcessStartCommand(int argc, char** argv);

// path in currentFolder, unless it is absolute already, empty, or begins with a quote
// (which no folder can make into a name).
std::string AbsolutePath(const std::string& path, const std::string& currentFolder);

}  // namespace kestrune
