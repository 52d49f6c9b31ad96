#pragma once

// Settings kept by QSettings: on Linux in the user's config folder
// (<application>/<application>.conf), on Windows under the current user's registry key.

#include <QSettings>

#include "platform/settings_store.h"

namespace kestrune {

class QtSettingsStore : public SettingsStore {
  public:
    explicit QtSettingsStore(const QString& application);

    Value read(const QString& section, const QString& key) override;
    bool write(const QString& section, const QString& key, const QString& text) override;

  private:
    QSettings settings_;
};

}  // namespace kestrune
