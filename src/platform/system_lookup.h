#pragma once

// What the About box asks of the system to find its system information program: registry
// values on Windows, files, and programs on the PATH.

#include <QString>
#include <string>
#include <string_view>

namespace kestrune {

enum class RegistryRoot { LocalMachine, CurrentUser };

class SystemLookup {
  public:
    virtual ~SystemLookup() = default;
    // The value's text in value and true; false, with value emptied, when the key or the
    // value can't be read. There is no registry outside Windows: always false there.
    virtual bool GetKeyValue(RegistryRoot root, const QString& keyName, const QString& valueName,
                             QString& value) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // The full path of a program found on the PATH, or an empty text.
    virtual QString findExecutable(const QString& name) = 0;
};

class SystemLookupService : public SystemLookup {
  public:
    bool GetKeyValue(RegistryRoot root, const QString& keyName, const QString& valueName,
                     QString& value) override;
    bool fileExists(const QString& path) override;
    QString findExecutable(const QString& name) override;
};

// Registry value types the text of a value depends on.
namespace registry_type {
inline constexpr unsigned long kString = 1;        // REG_SZ
inline constexpr unsigned long kExpandString = 2;  // REG_EXPAND_SZ
inline constexpr unsigned long kNumber = 4;        // REG_DWORD
}  // namespace registry_type

// The text of a value as the registry handed it over: size bytes of data of the given type.
// A string may come with its closing NUL or without it, and reads the same either way; a
// number becomes its decimal text. False for any other type, leaving text as it was.
bool RegistryValueText(std::string_view data, unsigned long type, std::string& text);

}  // namespace kestrune
