// The Linux backend: libsmbclient. The library is not thread-safe, even with one context per
// thread, so every call into it runs on the one worker thread this backend owns, and one
// backend at a time: a check given up on while a server keeps it waiting still has its
// worker in the library when the next check starts. Its connection cache ignores the port,
// so each server and port gets a context of its own.

#include <libsmbclient.h>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <thread>
#include <type_traits>

#include "check/share_backend.h"
#include "core/cp1252_text.h"

namespace kestrune::check {

namespace {

// Held by a backend's worker for each call into the library. Never destroyed: a worker given
// up on may still hold it while the program ends.
std::mutex& libraryLock() {
    static auto* lock = new std::mutex;
    return *lock;
}

// The system's words for an error, starting in lower case to follow our own text.
Message errorText(int error) {
    std::string text = std::strerror(error);
    if (!text.empty()) {
        text[0] = lowerByte(text[0]);
    }
    return Verbatim(text);
}

Found foundFor(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENODEV:
        case ENXIO:
            return Found::No;
        case EACCES:
        case EPERM:
            return Found::Denied;
        case ECONNREFUSED:
        case ECONNRESET:
        case ECONNABORTED:
        case EHOSTUNREACH:
        case EHOSTDOWN:
        case ENETUNREACH:
        case ENETDOWN:
        case ETIMEDOUT:
        case EPIPE:
            return Found::Unreachable;
        default:
            return Found::Failed;
    }
}

// Percent-encodes an 8-bit path for an smb:// URL: UTF-8, "\" as "/".
std::string urlPart(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : utf8FromCp1252(text)) {
        if (c == '\\') {
            out += '/';
        } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                   c == '-' || c == '_' || c == '.' || c == '~' || c == '$') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

class SmbBackend final : public ShareBackend {
  public:
    explicit SmbBackend(Connection connection)
        : connection_(std::move(connection)), worker_([this] { work(); }) {}

    ~SmbBackend() override {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        worker_.join();
    }

    ShareAnswer share(const std::string& server, const std::string& share) override {
        return onWorker([&] { return findShare(server, share); });
    }

    PathAnswer path(const std::string& server, const std::string& share,
                    const std::string& path) override {
        return onWorker([&] { return findPath(server, share, path); });
    }

  private:
    struct Server {
        SMBCCTX* context = nullptr;
        std::string url;  // "smb://ADDRESS"
        Message unresolved;
        bool listed = false;
        ShareAnswer listing;                      // the failure when listing failed
        std::map<std::string, ShareType> shares;  // upper-cased names
    };

    template <class F>
    std::invoke_result_t<F&> onWorker(F f) {
        std::packaged_task<std::invoke_result_t<F&>()> task(std::move(f));
        auto result = task.get_future();
        {
            std::lock_guard lock(mutex_);
            queue_.push_back([&task] { task(); });
        }
        wake_.notify_one();
        return result.get();
    }

    void work() {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (queue_.empty()) {
                    break;
                }
                job = std::move(queue_.front());
                queue_.pop_front();
            }
            const std::lock_guard library(libraryLock());
            job();
        }
        const std::lock_guard library(libraryLock());
        for (auto& [key, server] : servers_) {
            if (server.context) {
                smbc_free_context(server.context, 1);
            }
        }
    }

    static void authenticate(SMBCCTX* context, const char*, const char*, char*, int, char* user,
                             int userSize, char* password, int passwordSize) {
        const auto* self = static_cast<SmbBackend*>(smbc_getOptionUserData(context));
        const auto& connection = self->connection_;
        // Guest access unless a user is given: the account most servers map strangers to.
        std::snprintf(user, static_cast<std::size_t>(userSize), "%s",
                      connection.user.empty() ? "guest" : connection.user.c_str());
        std::snprintf(password, static_cast<std::size_t>(passwordSize), "%s",
                      connection.user.empty() ? "" : connection.password.c_str());
    }

    static void quiet(void*, int, const char*) {}

    // The server's context, made on first use: the name resolved as the system resolves it
    // unless it was mapped to an address.
    Server& serverFor(const std::string& name) {
        auto upper = upperCased(name);
        std::string host = utf8FromCp1252(name);
        int port = 0;
        if (const auto mapped = connection_.servers.find(upper);
            mapped != connection_.servers.end()) {
            host = mapped->second.host;
            port = mapped->second.port;
        }
        const auto key = host + ":" + std::to_string(port);
        auto [it, made] = servers_.try_emplace(key);
        Server& server = it->second;
        if (!made) {
            return server;
        }
        addrinfo hints{};
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        const int error = ::getaddrinfo(host.c_str(), nullptr, &hints, &found);
        if (error != 0 || !found) {
            server.unresolved =
                error == EAI_SYSTEM ? errorText(errno) : Say(MessageId::NoServerOfThatName);
            return server;
        }
        // An IPv4 address when there is one: the URL needs no brackets for it.
        const addrinfo* pick = found;
        for (const addrinfo* a = found; a; a = a->ai_next) {
            if (a->ai_family == AF_INET) {
                pick = a;
                break;
            }
        }
        char address[NI_MAXHOST] = {};
        ::getnameinfo(pick->ai_addr, pick->ai_addrlen, address, sizeof address, nullptr, 0,
                      NI_NUMERICHOST);
        const bool v6 = pick->ai_family == AF_INET6;
        ::freeaddrinfo(found);
        server.url = std::string("smb://") + (v6 ? "[" : "") + address + (v6 ? "]" : "");

        SMBCCTX* context = smbc_new_context();
        if (!context) {
            server.unresolved = errorText(errno);
            return server;
        }
        smbc_setDebug(context, 0);
        smbc_setLogCallback(context, nullptr, quiet);
        smbc_setOptionUserData(context, this);
        smbc_setFunctionAuthDataWithContext(context, authenticate);
        smbc_setOptionUseKerberos(context, false);
        smbc_setTimeout(context, 10000);
        if (port != 0) {
            smbc_setPort(context, static_cast<uint16_t>(port));
        }
        if (!smbc_init_context(context)) {
            server.unresolved = errorText(errno);
            smbc_free_context(context, 0);
            return server;
        }
        server.context = context;
        return server;
    }

    // The share list, asked once per server.
    void list(Server& server) {
        server.listed = true;
        SMBCFILE* dir =
            smbc_getFunctionOpendir(server.context)(server.context, (server.url + "/").c_str());
        if (!dir) {
            const int error = errno;
            // Not even the list: the server is there but asks for more than we have.
            auto found = foundFor(error);
            if (found == Found::No) {
                found = Found::Unreachable;
            }
            server.listing = {found, ShareType::Other, errorText(error)};
            return;
        }
        while (const smbc_dirent* entry =
                   smbc_getFunctionReaddir(server.context)(server.context, dir)) {
            const auto type = entry->smbc_type == SMBC_FILE_SHARE      ? ShareType::Disk
                              : entry->smbc_type == SMBC_PRINTER_SHARE ? ShareType::Printer
                                                                       : ShareType::Other;
            server.shares[upperCased(entry->name)] = type;
        }
        smbc_getFunctionClosedir(server.context)(server.context, dir);
        server.listing = {Found::Yes, ShareType::Other, {}};
    }

    ShareAnswer findShare(const std::string& name, const std::string& share) {
        Server& server = serverFor(name);
        if (!server.context) {
            return {Found::Unreachable, ShareType::Other, server.unresolved};
        }
        if (!server.listed) {
            list(server);
        }
        if (server.listing.found != Found::Yes) {
            return server.listing;
        }
        // Samba and Windows compare share names without regard to case.
        const auto it = server.shares.find(upperCased(utf8FromCp1252(share)));
        if (it == server.shares.end()) {
            return {Found::No, ShareType::Other, {}};
        }
        return {Found::Yes, it->second, {}};
    }

    PathAnswer findPath(const std::string& name, const std::string& share,
                        const std::string& path) {
        Server& server = serverFor(name);
        if (!server.context) {
            return {Found::Unreachable, false, server.unresolved};
        }
        const auto url = server.url + "/" + urlPart(share) + "/" + urlPart(path);
        struct stat status {};
        if (smbc_getFunctionStat(server.context)(server.context, url.c_str(), &status) != 0) {
            const int error = errno;
            return {foundFor(error), false, errorText(error)};
        }
        return {Found::Yes, S_ISDIR(status.st_mode), {}};
    }

    const Connection connection_;
    std::map<std::string, Server> servers_;  // by address and port; only the worker uses it
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    bool stopping_ = false;
    std::thread worker_;  // last: started once everything it uses is made
};

}  // namespace

std::unique_ptr<ShareBackend> makeSystemBackend(const Connection& connection) {
    return std::make_unique<SmbBackend>(connection);
}

}  // namespace kestrune::check
