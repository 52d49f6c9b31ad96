#pragma once

// A real Samba server for one test file: a private smb.conf and every state folder in a
// temporary folder, a free high port on 127.0.0.1 only, no NetBIOS, no CUPS, guests mapped
// to an unprivileged account (and smbd run as that account when the tests run as root, so
// nothing is written under /var). Shares: APPS (a disk, with the folder Sub and the file
// ReadMe.txt), NETLOGON (Policy.reg, Motd.txt) and LASER (a printer printing to /dev/null).

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "support/temp_dir.h"

namespace kestrune::test {

class SambaServer {
  public:
    static constexpr const char* kSkip =
        "smbd not found: install Debian's samba package (scripts/bootstrap) to check against "
        "a real server";

    static std::string smbdPath() {
        std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
        path += ":/usr/sbin:/sbin";
        std::istringstream folders(path);
        for (std::string folder; std::getline(folders, folder, ':');) {
            const auto candidate = std::filesystem::path(folder) / "smbd";
            if (!folder.empty() && ::access(candidate.c_str(), X_OK) == 0) {
                return candidate.string();
            }
        }
        return {};
    }

    // A port no one listens on now: the system's pick for a socket bound to port 0.
    static int freePort() {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(s, reinterpret_cast<sockaddr*>(&address), size);
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
        ::close(s);
        return ntohs(address.sin_port);
    }

    // Empty when the server is up; otherwise what went wrong.
    std::string start() {
        const auto smbd = smbdPath();
        if (smbd.empty()) {
            return kSkip;
        }
        const auto& root = dir_.path();
        for (const char* folder :
             {"state/lock", "state/state", "state/cache", "state/pid", "state/private",
              "state/ncalrpc", "state/log", "spool", "apps/Sub", "netlogon", "home/.smb"}) {
            std::filesystem::create_directories(root / folder);
        }
        writeBytes(dir_.file("apps/ReadMe.txt"), "read me\r\n");
        writeBytes(dir_.file("netlogon/Policy.reg"), "REGEDIT4\r\n");
        writeBytes(dir_.file("netlogon/Motd.txt"), "Welcome\r\n");
        const bool asRoot = ::geteuid() == 0;
        // Guests become nobody; run as anyone else, smbd stays that user and guests too.
        const passwd* self = ::getpwuid(::getuid());
        const std::string guest = asRoot ? "nobody" : (self ? self->pw_name : "nobody");
        const std::string r = root.string();
        port_ = freePort();
        conf_ = dir_.file("smb.conf");
        std::string conf = R"([global]
smb ports = @PORT
interfaces = 127.0.0.1
bind interfaces only = yes
disable netbios = yes
server role = standalone server
map to guest = Bad User
guest account = @GUEST
lock directory = @/state/lock
state directory = @/state/state
cache directory = @/state/cache
pid directory = @/state/pid
private dir = @/state/private
ncalrpc dir = @/state/ncalrpc
log file = @/state/log/log.%m
passdb backend = tdbsam:@/state/private/passdb.tdb
load printers = no
printing = bsd
printcap name = /dev/null
disable spoolss = yes
[apps]
path = @/apps
guest ok = yes
read only = yes
[netlogon]
path = @/netlogon
guest ok = yes
read only = yes
[laser]
path = @/spool
guest ok = yes
printable = yes
print command = cat %s > /dev/null; rm -f %s
)";
        const std::pair<std::string, std::string> marks[] = {
            {"@PORT", std::to_string(port_)}, {"@GUEST", guest}, {"@", r}};
        for (const auto& [mark, value] : marks) {
            for (auto at = conf.find(mark); at != std::string::npos; at = conf.find(mark, at)) {
                conf.replace(at, mark.size(), value);
                at += value.size();
            }
        }
        writeBytes(conf_, conf);
        // Samba's clients keep a name cache under the home: this one, not the user's.
        writeBytes(dir_.file("home/.smb/smb.conf"),
                   "[global]\nlock directory = " + r + "/home/.smb\ncache directory = " + r +
                       "/home/.smb\nstate directory = " + r + "/home/.smb\n");
        if (asRoot) {
            for (const auto& entry :
                 std::filesystem::recursive_directory_iterator(root / "state")) {
                (void)!::chown(entry.path().c_str(), kUnprivileged, kUnprivileged);
            }
            (void)!::chown((root / "state").c_str(), kUnprivileged, kUnprivileged);
            (void)!::chown((root / "spool").c_str(), kUnprivileged, kUnprivileged);
        }

        pid_ = ::fork();
        if (pid_ == 0) {
            // A process group of its own, so that one signal stops smbd and its children.
            ::setpgid(0, 0);
            if (asRoot && (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivileged) != 0 ||
                           ::setuid(kUnprivileged) != 0)) {
                ::_exit(127);
            }
            const auto log = dir_.file("smbd.log");
            std::freopen(log.c_str(), "w", stdout);
            std::freopen(log.c_str(), "a", stderr);
            ::execl(smbd.c_str(), "smbd", "--foreground", "--no-process-group", "-s", conf_.c_str(),
                    "--debuglevel=0", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::setpgid(pid_, pid_);
        // Ready once a socket of this smbd listens on the port, and no one else's does (a
        // second smbd can share the port silently).
        for (int tries = 0; tries < 3000; ++tries) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return "smbd stopped at once: " + readBytes(dir_.file("smbd.log"));
            }
            const auto listening = listeners();
            if (!listening.empty()) {
                const auto ours = socketsOf(pid_);
                for (const auto inode : listening) {
                    if (!ours.contains(inode)) {
                        return "another program listens on port " + std::to_string(port_);
                    }
                }
                return {};
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return "smbd did not listen on port " + std::to_string(port_);
    }

    ~SambaServer() {
        if (pid_ > 0) {
            ::kill(-pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        // smbd starts samba-dcerpcd in a process group of its own: found by our smb.conf.
        const auto mark = "--configfile=" + conf_;
        for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
            const auto name = entry.path().filename().string();
            if (name.find_first_not_of("0123456789") != std::string::npos || conf_.empty()) {
                continue;
            }
            auto cmdline = readBytes((entry.path() / "cmdline").string());
            for (char& c : cmdline) {
                c = c == '\0' ? ' ' : c;
            }
            if (cmdline.find(mark + " ") != std::string::npos || cmdline.ends_with(mark + " ")) {
                const pid_t pid = std::stoi(name);
                const pid_t group = ::getpgid(pid);
                ::kill(group == pid ? -pid : pid, SIGTERM);
            }
        }
    }

    int port() const { return port_; }
    std::string home() const { return dir_.file("home"); }

  private:
    static constexpr uid_t kUnprivileged = 65534;

    // The inodes of the sockets listening on 127.0.0.1 at the port.
    std::set<unsigned long> listeners() const {
        std::ifstream tcp("/proc/net/tcp");
        std::string line;
        std::getline(tcp, line);
        std::set<unsigned long> inodes;
        char local[64];
        unsigned state = 0;
        unsigned long inode = 0;
        while (std::getline(tcp, line)) {
            unsigned address = 0, port = 0;
            if (std::sscanf(line.c_str(), "%*d: %63s %*s %x %*s %*s %*s %*d %*d %lu", local, &state,
                            &inode) == 3 &&
                std::sscanf(local, "%x:%x", &address, &port) == 2 &&
                port == static_cast<unsigned>(port_) && state == 0x0A) {
                inodes.insert(inode);
            }
        }
        return inodes;
    }

    static std::set<unsigned long> socketsOf(pid_t pid) {
        std::set<unsigned long> inodes;
        std::error_code error;
        const auto fds = std::filesystem::path("/proc") / std::to_string(pid) / "fd";
        for (const auto& fd : std::filesystem::directory_iterator(fds, error)) {
            const auto target = std::filesystem::read_symlink(fd.path(), error).string();
            if (target.starts_with("socket:[")) {
                inodes.insert(std::stoul(target.substr(8)));
            }
        }
        return inodes;
    }

    TempDir dir_;
    std::string conf_;
    int port_ = 0;
    pid_t pid_ = -1;
};

}  // namespace kestrune::test
