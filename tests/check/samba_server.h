#pragma once

// A real Samba server for one test file: a private smb.conf and every state folder in a
// temporary folder, a free high port on 127.0.0.1 only, no NetBIOS, no CUPS, guests mapped
// to an unprivileged account (and smbd run as that account when the tests run as root, so
// nothing is written under /var). Shares: APPS (a disk, with the folder Sub), NETLOGON (Policy.reg,
// Motd.txt) and LASER (a printer printing to /dev/null).

#include <arpa/inet.h>
#include <grp.h>
#include <pwd.h>

#include <chrono>
#include <thread>
#include <utility>

#include "support/temp_dir.h"

namespace kestrune::test {

class SambaServer {
  public:
    static constexpr const char* kSkip =
        "smbd not found: install Debian's samba package (scripts/bootstrap) to check against "
        "a real server";

    // Where Debian's samba package puts it; empty when it isn't there.
    static std::string smbdPath() { return ::access(kSmbd, X_OK) == 0 ? kSmbd : ""; }

    // A port no one listens on now: the system's pick for a socket bound to port 0.
    static int freePort() {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t size = sizeof address;
        ::bind(s, reinterpret_cast<sockaddr*>(&address), size);
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
        ::close(s);
        return ntohs(address.sin_port);
    }

    // Empty when the server is up; otherwise what went wrong.
    std::string start() {
        const std::string r = dir_.path().string();
        for (const char* folder :
             {"state/private", "state/ncalrpc", "spool", "apps/Sub", "netlogon", "home/.smb"}) {
            std::filesystem::create_directories(dir_.path() / folder);
        }
        writeBytes(r + "/netlogon/Policy.reg", "REGEDIT4\r\n");
        writeBytes(r + "/netlogon/Motd.txt", "Welcome\r\n");
        const bool asRoot = ::geteuid() == 0;
        // Guests become nobody; run as anyone else, smbd stays that user and guests too.
        const passwd* self = asRoot ? nullptr : ::getpwuid(::getuid());
        port_ = freePort();
        conf_ = r + "/smb.conf";
        // "@" stands for the folder.
        writeBytes(conf_,
                   replaced("[global]\nsmb ports = " + std::to_string(port_) +
                                "\nguest account = " + (self ? self->pw_name : "nobody") +
                                "\ninterfaces = 127.0.0.1\nbind interfaces only = yes\n"
                                "disable netbios = yes\nserver role = standalone server\n"
                                "map to guest = Bad User\nlock directory = @/state\n"
                                "state directory = @/state\ncache directory = @/state\n"
                                "pid directory = @/state\nprivate dir = @/state/private\n"
                                "ncalrpc dir = @/state/ncalrpc\nlog file = @/state/log.%m\n"
                                "passdb backend = tdbsam:@/state/private/passdb.tdb\n"
                                "load printers = no\nprinting = bsd\nprintcap name = /dev/null\n"
                                "disable spoolss = yes\n[apps]\npath = @/apps\nguest ok = yes\n"
                                "[netlogon]\npath = @/netlogon\nguest ok = yes\n"
                                "[laser]\npath = @/spool\nguest ok = yes\nprintable = yes\n"
                                "print command = cat %s > /dev/null; rm -f %s\n",
                            "@", r));
        // Samba's clients keep a name cache under the home: this one, not the user's.
        writeBytes(r + "/home/.smb/smb.conf",
                   replaced("[global]\nlock directory = @/home/.smb\n"
                            "cache directory = @/home/.smb\nstate directory = @/home/.smb\n",
                            "@", r));
        if (asRoot) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path())) {
                (void)!::chown(entry.path().c_str(), kNobody, kNobody);
            }
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            // A process group of its own, so that one signal stops smbd and its children.
            ::setpgid(0, 0);
            if (asRoot && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 ||
                           ::setuid(kNobody) != 0)) {
                ::_exit(127);
            }
            (void)!std::freopen((r + "/smbd.log").c_str(), "w", stdout);
            ::dup2(STDOUT_FILENO, STDERR_FILENO);
            ::execl(kSmbd, "smbd", "--foreground", "--no-process-group", "-s", conf_.c_str(),
                    "--debuglevel=0", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::setpgid(pid_, pid_);
        // Ready once a socket of this smbd listens on the port, and no one else's does (a
        // second smbd can share the port silently).
        for (int tries = 0; tries < 3000; ++tries) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                return "smbd stopped at once: " + readBytes(r + "/smbd.log");
            }
            if (const auto [found, strangers] = listening(); found > 0) {
                return strangers == 0 ? ""
                                      : "another program listens on port " + std::to_string(port_);
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
        for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
            auto cmdline = readBytes((entry.path() / "cmdline").string());
            if (!conf_.empty() && cmdline.find("--configfile=" + conf_ + '\0') != cmdline.npos) {
                const pid_t pid = std::stoi(entry.path().filename().string());
                ::kill(::getpgid(pid) == pid ? -pid : pid, SIGTERM);
            }
        }
    }

    int port() const { return port_; }
    std::string home() const { return dir_.file("home"); }

  private:
    static constexpr uid_t kNobody = 65534;
    static constexpr const char* kSmbd = "/usr/sbin/smbd";

    // The sockets listening on the port, and how many of them aren't this smbd's.
    std::pair<std::size_t, std::size_t> listening() const {
        std::ifstream tcp("/proc/net/tcp");
        std::vector<std::string> sockets;
        unsigned port = 0, state = 0;
        unsigned long inode = 0;
        for (std::string line; std::getline(tcp, line);) {
            if (std::sscanf(line.c_str(), "%*d: %*x:%x %*s %x %*s %*s %*s %*d %*d %lu", &port,
                            &state, &inode) == 3 &&
                port == static_cast<unsigned>(port_) && state == 0x0A) {
                sockets.push_back("socket:[" + std::to_string(inode) + "]");
            }
        }
        const std::size_t found = sockets.size();
        std::error_code error;
        const auto fds = "/proc/" + std::to_string(pid_) + "/fd";
        for (const auto& fd : std::filesystem::directory_iterator(fds, error)) {
            std::erase(sockets, std::filesystem::read_symlink(fd.path(), error).string());
        }
        return {found, sockets.size()};
    }

    TempDir dir_;
    std::string conf_;
    int port_ = 0;
    pid_t pid_ = -1;
};

}  // namespace kestrune::test
