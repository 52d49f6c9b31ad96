#pragma once

// What lives for the whole run, made once by main() and handed to the main window: the
// document state and the recent files.

#include "core/document.h"
#include "ui/main/recent_files.h"

namespace kestrune {

struct AppState {
    DocumentState document;
    RecentFiles recentFiles;
};

}  // namespace kestrune
