#pragma once

// The operating system's own list of recently used network paths, read once to seed the
// share suggestions. Only Windows keeps such a list; elsewhere the read fails, so that the
// seeding is tried again the next time the editor opens.

#include <string>
#include <vector>

namespace kestrune {

struct RecentNetworkNames {
    // 0 when the list was read to its end, else the system's failure status.
    long status = 0;
    // Raw names, at most ten, in the system's order; ConvertRecentNetworkNames makes them UNC.
    std::vector<std::string> names;
    // Something went wrong while the list was open; the names taken so far are kept.
    bool unexpectedFailure = false;
};

class RecentNetworkPaths {
  public:
    static constexpr std::size_t kMaxNames = 10;

    virtual ~RecentNetworkPaths() = default;
    virtual RecentNetworkNames ReadRecentNetworkPaths() = 0;
};

// The current user's "Network\Recent" registry key on Windows; a failure status elsewhere.
class SystemRecentNetworkPaths : public RecentNetworkPaths {
  public:
    RecentNetworkNames ReadRecentNetworkPaths() override;
};

}  // namespace kestrune
