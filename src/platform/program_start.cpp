#include "platform/program_start.h"

#ifdef _WIN32
#include "core/windows_api.h"

#include <vector>

#include "platform/system_path_search.h"
#else
#include <QProcess>
#endif

namespace kestrune {

QString QuotedProgram(const QString& path) {
    if (path.startsWith(QLatin1Char('"')) ||
        (!path.contains(QLatin1Char(' ')) && !path.contains(QLatin1Char('\t')))) {
        return path;
    }
    return QLatin1Char('"') + path + QLatin1Char('"');
}

#ifdef _WIN32

bool SystemProgramStarter::start(const QString& commandLine) {
    if (commandLine.trimmed().isEmpty()) {
        return false;
    }
    // The program is looked for where the system keeps programs only; named in full, it
    // keeps CreateProcessW from searching the program's and the current folder.
    const auto program = FindOnSystemPath(FirstWord(commandLine.toStdWString()));
    if (!program) {
        return false;
    }
    // CreateProcessW may write into the line it is given, so it gets a copy of its own.
    std::vector<wchar_t> line(static_cast<std::size_t>(commandLine.size()) + 1, L'\0');
    commandLine.toWCharArray(line.data());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program->c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    // The program runs on its own; nothing here waits for it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

#else

bool SystemProgramStarter::start(const QString& commandLine) {
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty() || arguments.front().isEmpty()) {
        return false;
    }
    const QString program = arguments.takeFirst();
    // startDetached reports a program that can't be found or executed.
    return QProcess::startDetached(program, arguments);
}

#endif

}  // namespace kestrune
