#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/text_codec.h"

namespace kestrune {

namespace {

// Far more than the settings ever hold; a larger file is damaged, and never read.
constexpr qint64 kMaxSettingsBytes = 1 << 20;

std::unique_ptr<QSettings> openSettings(const QString& application) {
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                application, application);
    // Qt reads a section only when a key of it is first asked for. Reading them all now finds
    // a damaged file at once, rather than at whichever key happens to come first.
    settings->allKeys();
    return settings;
}

// The files QSettings reads for the user, its own and the organization's, found without
// reading them: a store of an organization that has none tells the folder. None where the
// settings are no files of ours (the registry on Windows).
QStringList settingsFiles(const QString& application) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    Q_UNUSED(application);
    return {};
#else
    const QSettings nobody(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("kestrune-no-such-organization"), QString());
    const QDir folder = QFileInfo(nobody.fileName()).dir();
    return {folder.filePath(application + QLatin1Char('/') + application + ".conf"),
            folder.filePath(application + ".conf")};
#endif
}

// A pipe would hang the reading for good and a huge file take minutes: neither is read. A
// folder in the file's place QSettings reports itself.
QStringList unreadableFiles(const QString& application) {
    QStringList unreadable;
    for (const QString& name : settingsFiles(application)) {
        const QFileInfo file(name);
        if (file.exists() && !file.isDir() && (!file.isFile() || file.size() > kMaxSettingsBytes)) {
            unreadable.append(name);
        }
    }
    return unreadable;
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& application) : application_(application) {
    if (unreadableFiles(application).isEmpty()) {
        settings_ = openSettings(application);
    }
}

SettingsStore::Value QtSettingsStore::read(const QString& section, const QString& key) {
    if (!settings_ || settings_->status() != QSettings::NoError) {
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
    if (!settings_) {
        // A sound file takes the unreadable one's place, as it does a damaged one's.
        for (const QString& name : unreadableFiles(application_)) {
            QFile::remove(name);
        }
        if (!unreadableFiles(application_).isEmpty()) {
            return false;
        }
        settings_ = openSettings(application_);
    }
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
