#include "platform/shell_open.h"

#include <QFileInfo>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// shellapi.h builds on the types that windows.h declares.
#include <shellapi.h>

#include "platform/text_codec.h"
#else
#include <QDesktopServices>
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

#endif

}  // namespace kestrune
