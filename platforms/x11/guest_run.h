#pragma once
// A guest run: the engine in a screen-saver host's window, started afresh, with the settings
// read again, each time the window changes size or SIGUSR1 asks (xsecurelock's reset when its
// password prompt closes), with the overrides of its command line applied to each engine.

#include "engine/engine.h"
#include "platforms/x11/command_line.h"

namespace quellar::x11 {

// Returns only by an exception: the end of the process (status 0 when the host ends it), a
// run-time error.
[[noreturn]] void RunGuest(const GuestRequest& request);

}  // namespace quellar::x11
