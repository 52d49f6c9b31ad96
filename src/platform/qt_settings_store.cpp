#include "platform/qt_settings_store.h"

#include "platform/text_codec.h"

namespace kestrune {

namespace {

std::unique_ptr<QSettings> openSettings(const QString& application) {
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                application, application);
    // Qt reads a section only when a key of it is first asked for. Reading them all now finds
    // a damaged file at once, rather than at whichever key happens to come first.
    settings->allKeys();
    return settings;
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& application)
    : application_(application), settings_(openSettings(application)) {}

SettingsStore::Value QtSettingsStore::read(const QString& section, const QString& key) {
    if (settings_->status() != QSettings::NoError) {
        return {Status::Failed, {}};
    }
    const QVariant value = settings_->value(section + QLatin1Char('/') + key);
    if (!value.isValid()) {
        return {Status::Missing, {}};
    }
    if (value.typeId() == QMetaType::QByteArray) {
        return {Status::Found, PathText(value.toByteArray().toStdString())};
    }
    return {Status::Found, value.toString()};
}

bool QtSettingsStore::write(const QString& section, const QString& key, const QString& text) {
    const QString name = section + QLatin1Char('/') + key;
    // A file name that isn't UTF-8 is stored as its bytes: as text it would lose them.
    const QVariant value =
        HoldsRawBytes(text) ? QVariant(QByteArray::fromStdString(PathBytes(text))) : QVariant(text);
    settings_->setValue(name, value);
    // Write through at once: the program may end right after, and a refused write must be
    // noticed while its message can still be shown.
    settings_->sync();
    if (settings_->status() == QSettings::FormatError) {
        // QSettings goes on reporting a damaged file after it has written it anew; only a
        // fresh look at the file tells whether the value is stored.
        settings_ = openSettings(application_);
        return settings_->status() == QSettings::NoError && settings_->isWritable() &&
               settings_->value(name) == value;
    }
    return settings_->status() == QSettings::NoError && settings_->isWritable();
}

}  // namespace kestrune
