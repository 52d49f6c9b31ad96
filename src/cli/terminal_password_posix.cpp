#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "cli/terminal_password.h"

namespace kestrune::cli {

std::optional<std::string> askPassword(const std::string& prompt) {
    // The terminal itself, not standard input or output, which may be files or pipes.
    const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (tty < 0) {
        return std::nullopt;
    }
    termios old{};
    const bool canHide = ::tcgetattr(tty, &old) == 0;
    if (canHide) {
        termios hidden = old;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(tty, TCSAFLUSH, &hidden);
    }
    (void)!::write(tty, prompt.data(), prompt.size());
    std::string line;
    char c = 0;
    bool ended = false;
    while (::read(tty, &c, 1) == 1) {
        if (c == '\n') {
            ended = true;
            break;
        }
        line += c;
    }
    if (canHide) {
        ::tcsetattr(tty, TCSAFLUSH, &old);
    }
    (void)!::write(tty, "\n", 1);
    ::close(tty);
    if (!ended && line.empty()) {
        return std::nullopt;
    }
    return line;
}

}  // namespace kestrune::cli
