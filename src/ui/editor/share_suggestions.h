#pragma once

// The ten network shares the editor offers in its path fields, most recent first. One
// object lives for the whole run; it is kept in the settings under "Recent", keys "Share1"
// to "Share10", and seeded once from the system's recently used network paths.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrune {

class Prompts;
class RecentNetworkPaths;
class SettingsStore;

class ShareSuggestions {
  public:
    static constexpr std::size_t kSlotCount = 10;
    // Upper-case UNC prefixes in Windows-1252; the filled slots run from slot 0 without gaps.
    using Slots = std::array<std::string, kSlotCount>;

    ShareSuggestions(SettingsStore& settings, RecentNetworkPaths& recentPaths);

    const Slots& shares() const { return slots_; }

    // Reads the stored shares; the first time, when none is stored yet, takes the system's
    // recent network paths instead and stores them. Prompts shows the registry failure.
    void LoadShareSuggestions(Prompts& prompts);
    // Puts a share in front unless it is already there (in any case), cut at its first blank,
    // and stores the list. Texts without "\\" are not shares and are ignored.
    void RememberShare(std::string_view text);

  private:
    void store();

    SettingsStore& settings_;
    RecentNetworkPaths& recentPaths_;
    Slots slots_;
};

// Turns the registry's raw names into UNC text in place («././SRV/APPS» becomes
// «\\SRV\APPS»), stopping at the first empty slot.
void ConvertRecentNetworkNames(ShareSuggestions::Slots& names);

}  // namespace kestrune
