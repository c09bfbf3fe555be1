#pragma once
// The rain an idle daemon starts on a Wayland desktop (--wayland). The daemon's command returns
// once the rain is on every output, leaving it running, so that a daemon that waits for its
// commands (swayidle -w) has control back at once; the rain ends at the first input. --stop
// ends it for the lock command, which then finds the outputs free of it.

#include "platforms/x11/command_line.h"

namespace quellar::linux_program {

// The command's status: 0 once the rain covers every output, or when it already runs; 1, with
// one line on stderr from the process of the rain, when it cannot cover them. Raises a
// NoDisplayError outside a Wayland session.
int StartIdleGuest(const x11::GuestRequest& request);

// Ends the rain of this Wayland desktop, if one runs, and returns 0 once its surfaces are gone.
// Raises a RuntimeError when it does not go.
int StopIdleGuest();

}  // namespace quellar::linux_program
