#include "platform/shell_open.h"

#include <QFileInfo>
#include <memory>

#ifdef _WIN32
#include "core/windows_api.h"
// shellapi.h builds on the types that the Windows API header declares.
#include <shellapi.h>

#include "platform/text_codec.h"
#else
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#endif

namespace kestrune {

#ifdef _WIN32

std::intptr_t SystemShellOpener::open(const QString& path, const QString& workingFolder) {
    const std::string file = PathBytes(path);
    const std::string folder = PathBytes(workingFolder);
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", file.c_str(), nullptr,
                      folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<std::intptr_t>(result);
}

#else

std::intptr_t SystemShellOpener::open(const QString& path, const QString&) {
    // The desktop's opener is started without waiting and reports a missing file only to
    // nobody; a file that isn't there is a failure here, as the Windows shell says it.
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) {
        return shell_result::kFileNotFound;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()))) {
        return shell_result::kNoAssociation;
    }
    return shell_result::kOpened;
}

void SystemShellOpener::openWatched(const QString& path, const QString& workingFolder,
                                    std::function<void(bool opened)> done) {
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) {
        done(false);
        return;
    }
    // xdg-open ends with a status other than 0 when no program takes the file (3: none
    // found, 4: it failed); some desktops keep it running until the viewer closes.
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({file.absoluteFilePath()});
    opener->setWorkingDirectory(workingFolder);
    opener->setStandardInputFile(QProcess::nullDevice());
    auto finish = std::make_shared<std::function<void(bool)> >(std::move(done));
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, finish](int code, QProcess::ExitStatus status) {
                         (*finish)(status == QProcess::NormalExit && code == 0);
                         opener->deleteLater();
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, finish](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             (*finish)(false);
                             opener->deleteLater();
                         }
                     });
    opener->start();
}

#endif

}  // namespace kestrune
