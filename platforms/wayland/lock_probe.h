#pragma once
// Whether a lock screen is up on the Wayland desktop, where the compositor lets a lock screen hold
// wlroots' input inhibitor (swaylock on sway 1.7): a second inhibitor is refused while one is
// held. The question is asked on a connection of its own, which the refusal closes; for the
// moment an inhibitor of its own is held, input reaches nobody.

namespace quellar::wayland {

// False where the compositor has no input inhibitor or cannot be reached.
bool LockScreenUp();

}  // namespace quellar::wayland
