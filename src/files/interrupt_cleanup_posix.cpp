// The signals that end a program, on POSIX systems. The handler does only what a signal
// handler may: it removes the registered names with unlinkat, then lets the signal's default
// action end the program.

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

#include "files/interrupt_cleanup.h"

namespace kestrune {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

struct Slot {
    std::atomic<bool> claimed{false};
    std::atomic<bool> ready{false};  // folder and name hold a new file
    int folder = -1;
    char name[64] = {};
};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "a signal handler may only use atomics that take no lock");

// One per save at once: more than a few never happen.
std::array<Slot, 8> slots;
std::atomic<int> holds{0};
std::atomic<int> deferred{0};

void removeRegistered() {
    for (Slot& slot : slots) {
        if (slot.ready.load()) {
            ::unlinkat(slot.folder, slot.name, 0);
        }
    }
}

void onSignal(int number) {
    if (holds.load() > 0) {
        deferred.store(number);
        return;
    }
    removeRegistered();
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(number, &fallback, nullptr);
    // Blocked while this handler runs: it ends the program as soon as the handler returns.
    ::raise(number);
}

}  // namespace

void removeTemporariesOnInterrupt() {
    for (const int number : kSignals) {
        struct sigaction current {};
        if (::sigaction(number, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        for (const int other : kSignals) {
            sigaddset(&action.sa_mask, other);
        }
        action.sa_flags = SA_RESTART;
        ::sigaction(number, &action, nullptr);
    }
}

void removeTemporariesNow() {
    removeRegistered();
}

InterruptRemoval::InterruptRemoval(int folder, std::string_view name) {
    if (name.size() >= sizeof(Slot::name)) {
        return;
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        bool free = false;
        if (slots[i].claimed.compare_exchange_strong(free, true)) {
            std::memcpy(slots[i].name, name.data(), name.size());
            slots[i].name[name.size()] = '\0';
            slots[i].folder = folder;
            slots[i].ready.store(true);
            slot_ = static_cast<int>(i);
            return;
        }
    }
}

void InterruptRemoval::release() {
    if (slot_ >= 0) {
        Slot& slot = slots[static_cast<std::size_t>(slot_)];
        slot.ready.store(false);
        slot.claimed.store(false);
        slot_ = -1;
    }
}

InterruptsHeld::InterruptsHeld() {
    holds.fetch_add(1);
}

InterruptsHeld::~InterruptsHeld() {
    if (holds.fetch_sub(1) == 1) {
        if (const int number = deferred.exchange(0)) {
            ::raise(number);
        }
    }
}

}  // namespace kestrune
