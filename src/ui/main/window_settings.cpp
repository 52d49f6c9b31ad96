#include "ui/main/window_settings.h"

#include <cmath>
#include <limits>

#include "ui/main/main_texts.h"

namespace kestrune {

namespace {

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::int16_t> storedNumber(SettingsStore& store, std::string_view key) {
    const auto value = store.read(latin(main_texts::settings::kWindow), latin(key));
    if (value.status != SettingsStore::Status::Found) {
        return std::nullopt;
    }
    bool ok = false;
    const double number = value.text.trimmed().toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return StoredSize(number);
}

}  // namespace

std::optional<std::int16_t> StoredSize(double twips) {
    if (!std::isfinite(twips)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(twips);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

WindowSettings ReadWindowSettings(SettingsStore& store) {
    namespace s = main_texts::settings;
    WindowSettings settings;
    if (const auto height = storedNumber(store, s::kHeight); height && *height > 0) {
        settings.height = *height;
    }
    if (const auto width = storedNumber(store, s::kWidth); width && *width > 0) {
        settings.width = *width;
    }
    if (const auto state = storedNumber(store, s::kState)) {
        if (*state == 1 || *state == 2) {
            settings.state = static_cast<StoredWindowState>(*state);
        }
    }
    return settings;
}

QSize OuterSizeToStore(StoredWindowState state, QSize outer, QSize client, QSize restored,
                       std::optional<QSize> normalFrame) {
    if (state == StoredWindowState::Normal || !restored.isValid()) {
        return outer;
    }
    return restored + normalFrame.value_or(outer - client);
}

QRect PlaceOnScreen(QSize outer, QRect available) {
    const QSize size = outer.boundedTo(available.size());
    const QPoint topLeft(available.left() + (available.width() - size.width()) / 2,
                         available.top() + (available.height() - size.height()) / 2);
    return {topLeft, size};
}

bool SaveWindowSettings(SettingsStore& store, double heightTwips, double widthTwips,
                        StoredWindowState state) {
    namespace s = main_texts::settings;
    const auto height = StoredSize(heightTwips);
    const auto width = StoredSize(widthTwips);
    if (!height || !width) {
        return false;
    }
    const QString section = latin(s::kWindow);
    return store.write(section, latin(s::kHeight), QString::number(*height)) &&
           store.write(section, latin(s::kWidth), QString::number(*width)) &&
           store.write(section, latin(s::kState), QString::number(static_cast<int>(state)));
}

}  // namespace kestrune
