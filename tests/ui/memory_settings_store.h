#pragma once

// Settings kept in a map for the tests, with every write logged in order. It can be told
// to fail the reads of a key.

#include <QMap>
#include <QPair>
#include <QStringList>

#include "platform/settings_store.h"

namespace kestrune::test {

class MemorySettingsStore : public SettingsStore {
  public:
    Value read(const QString& section, const QString& key) override {
        if (failReadsOf && *failReadsOf == key) {
            return {Status::Failed, {}};
        }
        const auto found = values.constFind({section, key});
        if (found == values.constEnd()) {
            return {Status::Missing, {}};
        }
        return {Status::Found, *found};
    }

    bool write(const QString& section, const QString& key, const QString& text) override {
        values.insert({section, key}, text);
        writes << section + QLatin1Char('/') + key + QLatin1Char('=') + text;
        return true;
    }

    QString value(const QString& section, const QString& key) const {
        return values.value({section, key});
    }

    QMap<QPair<QString, QString>, QString> values;
    QStringList writes;
    std::optional<QString> failReadsOf;  // reads of this key fail
};

}  // namespace kestrune::test
