#pragma once

// The process's command line as one text, without the program's own name: on Windows the
// raw text after the name, elsewhere the arguments joined by single blanks (the shell has
// already removed quotes there).

#include <QString>
#include <QStringList>

namespace kestrune {

// The text after the program's name in a raw Windows command line. The name ends at its
// closing quote when it begins with one, else at the first blank.
QString CommandTail(const QString& commandLine);
// The arguments after the first joined by single blanks.
QString JoinedArguments(const QStringList& arguments);

QString ProcessCommandLine(const QStringList& arguments);

}  // namespace kestrune
