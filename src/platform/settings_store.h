#pragma once

// The per-user settings: text values under a section and a key, all of them belonging to
// one application name.

#include <QString>

namespace kestrune {

class SettingsStore {
  public:
    enum class Status { Found, Missing, Failed };
    struct Value {
        Status status = Status::Missing;
        QString text;
    };

    virtual ~SettingsStore() = default;
    virtual Value read(const QString& section, const QString& key) = 0;
    // False when the store refuses the value.
    virtual bool write(const QString& section, const QString& key, const QString& text) = 0;
};

}  // namespace kestrune
