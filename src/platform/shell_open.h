#pragma once

// The shell's "open" action on a document: whatever the desktop runs for that kind of file,
// not waited for. The answer follows ShellExecute's convention: above 32 is success.

#include <QString>
#include <cstdint>

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
};

// ShellExecuteA on Windows; elsewhere the desktop's default handler for the file.
class SystemShellOpener : public ShellOpener {
  public:
    std::intptr_t open(const QString& path, const QString& workingFolder) override;
};

}  // namespace kestrune
