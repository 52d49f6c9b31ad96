#pragma once

// What a save does about the signals that end a program (SIGINT, SIGTERM, SIGHUP): the new
// file it is writing goes with the program, and a rewrite in place is finished first, so that
// Ctrl-C or a logout never leaves a file behind nor a target half-rewritten. One definition
// per system (interrupt_cleanup_posix.cpp, interrupt_cleanup_win32.cpp); on Windows the new
// file is marked to go when its handle closes, which any end of the program does.

#include <string_view>

namespace kestrune {

// For main() of each program: from then on, those signals remove the new files of the saves
// under way and end the program as their default action does. A signal the program was
// started ignoring (nohup) stays ignored.
void removeTemporariesOnInterrupt();
// The same removal, for a program ending by its own way while a save is under way.
void removeTemporariesNow();

// While it lives, the file name in the open folder is removed should one of those signals end
// the program. The name is kept as given (a new file's name is short).
class InterruptRemoval {
  public:
    InterruptRemoval(int folder, std::string_view name);
    ~InterruptRemoval() { release(); }
    InterruptRemoval(const InterruptRemoval&) = delete;
    InterruptRemoval& operator=(const InterruptRemoval&) = delete;

    // The name is no longer the new file (renamed into place, or kept as a recovery copy).
    void release();

  private:
    int slot_ = -1;
};

// While it lives, those signals wait; the last one to arrive acts once it is gone.
class InterruptsHeld {
  public:
    InterruptsHeld();
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;
};

}  // namespace kestrune
