#pragma once

// The network in a box: server FILES with the shares APPS, NETLOGON, LASER (a printer) and
// SECRET (access denied); DEAD never answers; ODD fails strangely. Names are compared
// without regard to case, as the servers do, and every question is recorded.

#include <vector>

#include "check/share_backend.h"
#include "core/cp1252_text.h"

namespace kestrune::test {

class FakeShareBackend : public check::ShareBackend {
  public:
    using Found = check::Found;

    check::ShareAnswer share(const std::string& server, const std::string& share) override {
        const auto& key = asked.emplace_back(upperCased(server + "\\" + share));
        const std::map<std::string, check::ShareAnswer> shares = {
            {"FILES\\APPS", {Found::Yes, check::ShareType::Disk, {}}},
            {"FILES\\NETLOGON", {Found::Yes, check::ShareType::Disk, {}}},
            {"FILES\\LASER", {Found::Yes, check::ShareType::Printer, {}}},
            {"FILES\\SECRET", {Found::Denied, {}, {}}},
        };
        if (key.starts_with("DEAD\\") || key.starts_with("ODD\\")) {
            return key[0] == 'D'
                       ? check::ShareAnswer{Found::Unreachable, {}, Verbatim("connection refused")}
                       : check::ShareAnswer{Found::Failed, {}, Verbatim("bad things")};
        }
        const auto it = shares.find(key);
        return it == shares.end() ? check::ShareAnswer{Found::No, {}, {}} : it->second;
    }

    check::PathAnswer path(const std::string& server, const std::string& share,
                           const std::string& path) override {
        const auto& key = asked.emplace_back(upperCased(server + "\\" + share + "\\" + path));
        const std::map<std::string, bool> isFolder = {
            {"FILES\\APPS\\SUB", true},
            {"FILES\\APPS\\README.TXT", false},
            {"FILES\\NETLOGON\\SUB", true},
            {"FILES\\NETLOGON\\SETUP.EXE", false},
            {"FILES\\NETLOGON\\POLICY.REG", false},
            {"FILES\\NETLOGON\\MOTD.TXT", false},
        };
        const auto it = isFolder.find(key);
        return it == isFolder.end() ? check::PathAnswer{Found::No, false, Verbatim("no such file")}
                                    : check::PathAnswer{Found::Yes, it->second, {}};
    }

    std::vector<std::string> asked;
};

}  // namespace kestrune::test
