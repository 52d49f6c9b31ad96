#pragma once

// Acting as nobody (65534) for a while, since root passes the ownership checks these tests
// are about: the effective ids only, so that the real and saved ids (root) allow the way
// back. Not root: no second user to be, and available() is false.

#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

#include <vector>

namespace kestrune::test {

class AsOtherUser {
  public:
    static bool available() { return ::geteuid() == 0; }
    static constexpr const char* kSkip =
        "needs root, to act as user 65534 (root itself bypasses these checks)";

    AsOtherUser() : groups_(static_cast<std::size_t>(::getgroups(0, nullptr))) {
        ::getgroups(static_cast<int>(groups_.size()), groups_.data());
        dropped_ = ::setgroups(0, nullptr) == 0 && ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~AsOtherUser() {
        (void)::seteuid(0);
        (void)::setegid(0);
        (void)::setgroups(groups_.size(), groups_.data());
    }

    bool dropped() const { return dropped_; }

  private:
    std::vector<gid_t> groups_;
    bool dropped_ = false;
};

}  // namespace kestrune::test
