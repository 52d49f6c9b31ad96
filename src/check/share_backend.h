#pragma once

// What the checker asks of the network: does a share exist and of which type, does a path
// inside a share exist. One implementation per system (libsmbclient on Linux, the system's
// own share and file calls on Windows) and a double in the tests.

#include <map>
#include <memory>
#include <string>

#include "core/message.h"

namespace kestrune::check {

enum class Found {
    Yes,
    No,           // no share of that name, no such file or folder
    Unreachable,  // the server can't be reached (not found, refused, no answer)
    Denied,       // the server refuses access
    Failed,       // anything else; detail says what
};

enum class ShareType { Disk, Printer, Other };

struct ShareAnswer {
    Found found = Found::Failed;
    ShareType type = ShareType::Disk;
    Message detail;  // the system's words for a failure, or the backend's own; may be empty
};

struct PathAnswer {
    Found found = Found::Failed;
    bool folder = false;
    Message detail;
};

// Names and paths are the document's 8-bit text; paths inside a share use "\".
class ShareBackend {
  public:
    virtual ~ShareBackend() = default;
    virtual ShareAnswer share(const std::string& server, const std::string& share) = 0;
    virtual PathAnswer path(const std::string& server, const std::string& share,
                            const std::string& path) = 0;
};

// Where a server the system can't resolve is found: an address and, when not the standard
// one, a port.
struct ServerAddress {
    std::string host;
    int port = 0;  // 0: the standard port

    bool operator==(const ServerAddress&) const = default;
};

struct Connection {
    std::map<std::string, ServerAddress> servers;  // keys upper-cased
    std::string user;                              // empty: guest access
    std::string password;
};

// The system's backend: libsmbclient on Linux, the Win32 network calls on Windows.
std::unique_ptr<ShareBackend> makeSystemBackend(const Connection& connection);

}  // namespace kestrune::check
