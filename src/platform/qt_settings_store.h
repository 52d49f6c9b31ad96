#pragma once

// Settings kept by QSettings: on Linux in the user's config folder
// (<application>/<application>.conf), on Windows under the current user's registry key.

#include <QSettings>
#include <memory>

#include "platform/settings_store.h"

namespace kestrune {

class QtSettingsStore : public SettingsStore {
  public:
    explicit QtSettingsStore(const QString& application);

    // Failed while the store can't be read or its file is damaged (also: no regular file, or
    // over 1 MiB, which is never read): its values can't be trusted, and the callers fall
    // back on their defaults and say so.
    Value read(const QString& section, const QString& key) override;
    // Writing to a damaged file writes it anew from what could be read, which mends it; one
    // that was never read is replaced.
    bool write(const QString& section, const QString& key, const QString& text) override;

  private:
    QString application_;
    std::unique_ptr<QSettings> settings_;  // none while the file is not to be read
};

}  // namespace kestrune
