#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef _WIN32
#include <QTemporaryFile>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

// The build names the folder it installs to; a build that doesn't has none to avoid.
#ifndef KESTRUNE_INSTALL_BINDIR
#define KESTRUNE_INSTALL_BINDIR ""
#endif

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

#ifdef _WIN32

bool UserCanWrite(const QString& folder) {
    // Access lists decide on Windows, which the file's attributes don't show: only trying
    // tells.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("kestrune-XXXXXX.tmp")));
    return probe.open();
}

namespace {

// %LOCALAPPDATA% lies in the user's profile, which only the user and the system may enter.
bool makePrivateFolder(const QString& path) {
    return QDir().mkpath(path);
}

}  // namespace

#else

bool UserCanWrite(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

namespace {

bool makePrivateFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    // Looked at through a descriptor that can't have followed a link, so that what was
    // checked is what is used.
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool own = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) &&
                     info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
    ::close(fd);
    return own;
}

}  // namespace

#endif

bool OwnProgramFolder(const QString& folder) {
    const QString installed =
        QFileInfo(QStringLiteral(KESTRUNE_INSTALL_BINDIR)).canonicalFilePath();
    if (!installed.isEmpty() && QFileInfo(folder).canonicalFilePath() == installed) {
        return false;
    }
    return UserCanWrite(folder);
}

ScriptFolder TemporaryScriptFolder(const QString& programFolder) {
    if (OwnProgramFolder(programFolder)) {
        return {programFolder, true};
    }
    const QString data = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    if (data.isEmpty()) {
        return {programFolder, false};
    }
    return {data, makePrivateFolder(data)};
}

QString DocumentStartFolder(const QString& programFolder) {
#ifdef _WIN32
    return programFolder;
#else
    if (OwnProgramFolder(programFolder)) {
        return programFolder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A desktop without a documents folder of its own has the home for it.
    return !documents.isEmpty() && QDir(documents).exists()
               ? QDir::toNativeSeparators(documents)
               : QDir::toNativeSeparators(QDir::homePath());
#endif
}

}  // namespace kestrune
