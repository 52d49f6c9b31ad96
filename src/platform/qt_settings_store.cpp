#include "platform/qt_settings_store.h"

namespace kestrune {

QtSettingsStore::QtSettingsStore(const QString& application)
    : settings_(QSettings::NativeFormat, QSettings::UserScope, application, application) {}

SettingsStore::Value QtSettingsStore::read(const QString& section, const QString& key) {
    if (settings_.status() == QSettings::FormatError) {
        return {Status::Failed, {}};
    }
    const QVariant value = settings_.value(section + QLatin1Char('/') + key);
    if (!value.isValid()) {
        return {Status::Missing, {}};
    }
    return {Status::Found, value.toString()};
}

bool QtSettingsStore::write(const QString& section, const QString& key, const QString& text) {
    settings_.setValue(section + QLatin1Char('/') + key, text);
    // Write through at once: the program may end right after, and a refused write must be
    // noticed while its message can still be shown.
    settings_.sync();
    return settings_.status() == QSettings::NoError && settings_.isWritable();
}

}  // namespace kestrune
