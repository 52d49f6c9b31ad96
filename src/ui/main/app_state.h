#pragma once

// What lives for the whole run, made once by main() and handed to the main window: the
// document state, the recent files and the share suggestions the action editor offers.

#include "core/document.h"
#include "ui/editor/share_suggestions.h"
#include "ui/main/recent_files.h"

namespace kestrune {

class RecentNetworkPaths;
class SettingsStore;

struct AppState {
    AppState(SettingsStore& settings, RecentNetworkPaths& recentPaths)
        : shares(settings, recentPaths) {}

    DocumentState document;
    RecentFiles recentFiles;
    ShareSuggestions shares;
};

}  // namespace kestrune
