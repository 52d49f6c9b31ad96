#pragma once

// A server that takes connections and never says a word, as a host does whose file service
// has hung: a client asking it waits until its own time runs out, or until the server goes.
// Only 127.0.0.1 is listened on, at a port the system picks.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

namespace kestrune::test {

class SilentServer {
  public:
    SilentServer() {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(socket_, 64) != 0 ||
            ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            return;
        }
        // Connections wait in the queue, made but never taken, so never answered.
        port_ = ntohs(address.sin_port);
    }
    ~SilentServer() { close(); }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    // 0 when no socket could be had.
    int port() const { return port_; }
    // NAME=ADDRESS:PORT, as the check's server mappings take it.
    std::string mapping(const std::string& name) const {
        return name + "=127.0.0.1:" + std::to_string(port_);
    }

    // Gone: whoever still waits for an answer is told the connection was reset.
    void close() {
        if (socket_ >= 0) {
            ::close(socket_);
            socket_ = -1;
        }
    }

  private:
    int socket_ = -1;
    int port_ = 0;
};

}  // namespace kestrune::test
