#pragma once

// The main window's outer size (twips) and state, kept between runs.

#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

#include "platform/settings_store.h"

namespace kestrune {

enum class StoredWindowState : std::int16_t { Normal = 0, Minimized = 1, Maximized = 2 };

struct WindowSettings {
    int height = 4890;
    int width = 7215;
    StoredWindowState state = StoredWindowState::Normal;

    bool operator==(const WindowSettings&) const = default;
};

// A stored value that is missing, not a whole number, outside 16 bits or not a usable
// size gives the default for its key.
WindowSettings ReadWindowSettings(SettingsStore& store);

// The nearest 16-bit whole number, or none when it doesn't fit.
std::optional<std::int16_t> StoredSize(double twips);

// The outer size to keep for a window in that state. A normal window keeps its outer size;
// a minimized or maximized one the size it is restored to (restored, frame excluded) with
// the frame it has when normal, since a window manager may drop the borders of a maximized
// window. An unknown normal frame is taken to be the frame it has now.
QSize OuterSizeToStore(StoredWindowState state, QSize outer, QSize client, QSize restored,
                       std::optional<QSize> normalFrame);

// Where a window of that outer size opens on a screen with that available area: centred on
// it, and no larger than it, so that its title bar can always be reached.
QRect PlaceOnScreen(QSize outer, QRect available);

// Stores "frmH", "frmW" and "frmS" in that order. False on the first failure: a size that
// doesn't fit stores nothing at all, and values stored before a refused write stay.
bool SaveWindowSettings(SettingsStore& store, double heightTwips, double widthTwips,
                        StoredWindowState state);

}  // namespace kestrune
