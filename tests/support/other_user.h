#pragma once

// Acting as an unprivileged user for a while. Root passes the sticky-folder and ownership
// checks these tests are about, so a test run as root drops to nobody (65534) for the
// effective ids only and takes root back afterwards; the real and saved ids stay root, which
// is what allows the way back. Not root: no second user to be, and available() is false.

#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

#include <vector>

namespace kestrune::test {

inline constexpr uid_t kNobody = 65534;

class AsOtherUser {
  public:
    static bool available() { return ::geteuid() == 0; }
    static constexpr const char* kSkip =
        "needs root, to act as user 65534 (root itself bypasses these checks)";

    AsOtherUser() : groups_(static_cast<std::size_t>(::getgroups(0, nullptr))) {
        ::getgroups(static_cast<int>(groups_.size()), groups_.data());
        dropped_ =
            ::setgroups(0, nullptr) == 0 && ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
    }
    ~AsOtherUser() {
        (void)::seteuid(0);
        (void)::setegid(0);
        (void)::setgroups(groups_.size(), groups_.data());
    }
    AsOtherUser(const AsOtherUser&) = delete;
    AsOtherUser& operator=(const AsOtherUser&) = delete;

    bool dropped() const { return dropped_; }

  private:
    std::vector<gid_t> groups_;
    bool dropped_ = false;
};

}  // namespace kestrune::test
