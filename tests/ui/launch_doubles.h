#pragma once

// Doubles of the system services that start programs and open files, of the lookups that
// find the system information program, and of the recent network paths. They record every
// call and start nothing.

#include <QMap>
#include <QPair>
#include <QProcess>
#include <QSet>

#include "platform/program_start.h"
#include "platform/recent_network_paths.h"
#include "platform/shell_open.h"
#include "platform/system_lookup.h"

namespace kestrune::test {

// Every program is there unless it is listed as missing, as "type" and "start" are
// missing wherever they are built into the command interpreter.
class RecordingProgramStarter : public ProgramStarter {
  public:
    bool start(const QString& commandLine) override {
        lines << commandLine;
        const QStringList words = QProcess::splitCommand(commandLine);
        return !words.isEmpty() && !missing.contains(words.front(), Qt::CaseInsensitive);
    }

    QStringList lines;
    QStringList missing;
};

class RecordingShellOpener : public ShellOpener {
  public:
    struct Call {
        QString path;
        QString workingFolder;
    };

    std::intptr_t open(const QString& path, const QString& workingFolder) override {
        calls.push_back({path, workingFolder});
        if (onOpen) {
            onOpen(path);
        }
        return result;
    }

    std::vector<Call> calls;
    std::intptr_t result = shell_result::kOpened;
    std::function<void(const QString&)> onOpen;
};

// Fixed registry values (by key and value name, under the local machine), files and
// programs on the PATH.
class FixedSystemLookup : public SystemLookup {
  public:
    bool GetKeyValue(RegistryRoot root, const QString& keyName, const QString& valueName,
                     QString& value) override {
        asked << keyName + QLatin1Char('|') + valueName;
        const auto found = values.constFind({keyName, valueName});
        if (root != RegistryRoot::LocalMachine || found == values.constEnd()) {
            value.clear();
            return false;
        }
        value = *found;
        return true;
    }
    bool fileExists(const QString& path) override { return files.contains(path); }
    QString findExecutable(const QString& name) override {
        searched << name;
        return programs.value(name);
    }

    QMap<QPair<QString, QString>, QString> values;
    QSet<QString> files;
    QMap<QString, QString> programs;  // name → full path
    QStringList asked;
    QStringList searched;
};

// The system's list of recently used network paths, as given; by default there is none,
// as on any system but Windows.
class FixedRecentNetworkPaths : public RecentNetworkPaths {
  public:
    RecentNetworkNames ReadRecentNetworkPaths() override {
        ++reads;
        return answer;
    }
    RecentNetworkNames answer{2, {}, false};
    int reads = 0;
};

}  // namespace kestrune::test
