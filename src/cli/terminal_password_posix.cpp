#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <string>

#include "cli/terminal_password.h"

namespace kestrune::cli {

namespace {

// The signals that end the program from the terminal or the system while it waits.
constexpr std::array<int, 4> kEnding = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};

// What the handler puts back: the terminal as it was, and the handlers before the prompt's.
int promptTerminal = -1;
termios shown{};
std::array<struct sigaction, kEnding.size()> previous{};
std::array<bool, kEnding.size()> caught{};

void showAgainAndGoOn(int number) {
    ::tcsetattr(promptTerminal, TCSANOW, &shown);
    for (std::size_t i = 0; i < kEnding.size(); ++i) {
        if (caught[i]) {
            ::sigaction(kEnding[i], &previous[i], nullptr);
        }
    }
    // Blocked while this handler runs: the signal then does what it did before the prompt.
    ::raise(number);
}

// Typing goes unseen for as long as this lives, and is seen again however the prompt ends:
// by its answer, the end of input, an exception, or a signal that ends the program.
class HiddenTyping {
  public:
    explicit HiddenTyping(int terminal) {
        if (::tcgetattr(terminal, &shown) != 0) {
            return;
        }
        promptTerminal = terminal;
        struct sigaction action {};
        action.sa_handler = showAgainAndGoOn;
        sigemptyset(&action.sa_mask);
        for (const int number : kEnding) {
            sigaddset(&action.sa_mask, number);
        }
        for (std::size_t i = 0; i < kEnding.size(); ++i) {
            // One the program ignores (nohup) stays ignored.
            caught[i] = ::sigaction(kEnding[i], nullptr, &previous[i]) == 0 &&
                        previous[i].sa_handler != SIG_IGN &&
                        ::sigaction(kEnding[i], &action, nullptr) == 0;
        }
        termios hidden = shown;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        hiding_ = ::tcsetattr(terminal, TCSAFLUSH, &hidden) == 0;
    }
    ~HiddenTyping() {
        if (promptTerminal < 0) {
            return;
        }
        if (hiding_) {
            ::tcsetattr(promptTerminal, TCSAFLUSH, &shown);
        }
        for (std::size_t i = 0; i < kEnding.size(); ++i) {
            if (caught[i]) {
                ::sigaction(kEnding[i], &previous[i], nullptr);
                caught[i] = false;
            }
        }
        promptTerminal = -1;
    }
    HiddenTyping(const HiddenTyping&) = delete;
    HiddenTyping& operator=(const HiddenTyping&) = delete;

  private:
    bool hiding_ = false;
};

}  // namespace

std::optional<std::string> askPassword(const std::string& prompt) {
    // The terminal itself, not standard input or output, which may be files or pipes.
    const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (tty < 0) {
        return std::nullopt;
    }
    std::string line;
    bool ended = false;
    {
        const HiddenTyping hidden(tty);
        (void)!::write(tty, prompt.data(), prompt.size());
        char c = 0;
        while (::read(tty, &c, 1) == 1) {
            if (c == '\n') {
                ended = true;
                break;
            }
            line += c;
        }
    }
    (void)!::write(tty, "\n", 1);
    ::close(tty);
    if (!ended && line.empty()) {
        return std::nullopt;
    }
    return line;
}

}  // namespace kestrune::cli
