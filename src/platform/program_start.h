#pragma once

// Starting a program from a command line the way trying an action does: no command
// interpreter in between, its window shown normally and activated, and no waiting for it.

#include <QString>
#include <QStringList>

namespace kestrune {

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // The program is the line's first word, the rest its arguments. False when the program
    // can't be found or started; its exit is never looked at.
    virtual bool start(const QString& commandLine) = 0;
};

// CreateProcess with the whole line on Windows; elsewhere the line is split with the
// Windows quoting rules and the program started detached.
class SystemProgramStarter : public ProgramStarter {
  public:
    bool start(const QString& commandLine) override;
};

// A path as one word of a command line: quoted when it holds a blank and isn't yet.
QString QuotedProgram(const QString& path);

}  // namespace kestrune
