#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace kestrune {

QString ProgramFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString FileInFolder(const QString& folder, std::string_view name) {
    const QString file = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    // A folder that is a root ("/", "C:\") already ends in its separator.
    if (folder.endsWith(QDir::separator())) {
        return folder + file;
    }
    return folder + QDir::separator() + file;
}

}  // namespace kestrune
