#pragma once

// The five files most recently opened or saved, the most recent first. Filled entries
// always form a run from the first; the in-memory list is the master copy of the store.

#include <array>
#include <string>
#include <string_view>

#include "platform/settings_store.h"
#include "ui/main/main_texts.h"

namespace kestrune {

class RecentFiles {
  public:
    static constexpr int kCount = main_texts::kRecentCount;

    const std::string& entry(int index) const { return entries_.at(static_cast<size_t>(index)); }
    // Entries up to the first empty one.
    int filledCount() const;

    // Puts path first and moves the others down, dropping the oldest. A path already
    // listed (case ignored) changes nothing and stays where it is; false then.
    bool add(std::string_view path);

    // Reads "File1" onwards up to the first empty key. False when the store failed;
    // entries read before the failure stay.
    bool load(SettingsStore& store);

  private:
    std::array<std::string, kCount> entries_;
};

// Writes entry index as its key ("File1" for the first). False when the store refused.
bool StoreRecentEntry(SettingsStore& store, int index, const std::string& path);

// The caption of recent-file item n (from 1): "&1   START.LST", with each "&" of the name
// doubled so that the menu shows it.
std::string RecentCaption(int n, std::string_view path);

}  // namespace kestrune
