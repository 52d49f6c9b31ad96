#include "platform/command_line.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kestrune {

QString CommandTail(const QString& commandLine) {
    qsizetype i = 0;
    const qsizetype n = commandLine.size();
    if (n > 0 && commandLine[0] == QLatin1Char('"')) {
        i = commandLine.indexOf(QLatin1Char('"'), 1);
        i = i < 0 ? n : i + 1;
    } else {
        while (i < n && commandLine[i] != QLatin1Char(' ') && commandLine[i] != QLatin1Char('\t')) {
            ++i;
        }
    }
    return commandLine.mid(i);
}

QString JoinedArguments(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

QString ProcessCommandLine([[maybe_unused]] const QStringList& arguments) {
#ifdef Q_OS_WIN
    return CommandTail(QString::fromWCharArray(GetCommandLineW()));
#else
    return JoinedArguments(arguments);
#endif
}

}  // namespace kestrune
