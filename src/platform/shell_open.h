#pragma once

// The shell's "open" action on a document: whatever the desktop runs for that kind of file,
// not waited for. The answer follows ShellExecute's convention: above 32 is success.

#include <QString>
#include <cstdint>
#include <functional>

namespace kestrune {

namespace shell_result {
inline constexpr std::intptr_t kFileNotFound = 2;    // ERROR_FILE_NOT_FOUND
inline constexpr std::intptr_t kNoAssociation = 31;  // SE_ERR_NOASSOC
inline constexpr std::intptr_t kOpened = 33;
}  // namespace shell_result

inline bool ShellOpened(std::intptr_t result) {
    return result > 32;
}

class ShellOpener {
  public:
    virtual ~ShellOpener() = default;
    // Opens the file at path, with workingFolder as the folder the handler starts in.
    virtual std::intptr_t open(const QString& path, const QString& workingFolder) = 0;
    // The same, but whether a program took the file is told later, to done, once the
    // system knows: a desktop's opener says so only by its exit status, and the window must
    // not wait for it meanwhile. By default that is the answer of open, at once.
    virtual void openWatched(const QString& path, const QString& workingFolder,
                             std::function<void(bool opened)> done) {
        done(ShellOpened(open(path, workingFolder)));
    }
};

// ShellExecuteA on Windows; elsewhere the desktop's default handler for the file, which
// openWatched finds through xdg-open and waits for in the background.
class SystemShellOpener : public ShellOpener {
  public:
    std::intptr_t open(const QString& path, const QString& workingFolder) override;
#ifndef _WIN32
    void openWatched(const QString& path, const QString& workingFolder,
                     std::function<void(bool opened)> done) override;
#endif
};

}  // namespace kestrune
