// On Windows a save's new file is opened to be deleted when its handle closes until it is
// complete, so that the end of the program, by Ctrl-C, a logout or the task manager, takes it
// with it: there is nothing to register and nothing to hold.

#include "files/interrupt_cleanup.h"

namespace kestrune {

void removeTemporariesOnInterrupt() {}

void removeTemporariesNow() {}

InterruptRemoval::InterruptRemoval(int, std::string_view) {}

void InterruptRemoval::release() {}

InterruptsHeld::InterruptsHeld() = default;

InterruptsHeld::~InterruptsHeld() = default;

}  // namespace kestrune
