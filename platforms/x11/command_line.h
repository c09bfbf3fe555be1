#pragma once
// What the Linux program's arguments ask for; the first argument decides. --help and --version
// are answered at once. A guest's option (--root, --window-id, --speed, --chain,
// --no-random-deleting, --defaults) makes the program a guest of a screen-saver host: it draws
// in the host's window, and every other argument must be one of the guest's options too.
// Anything else is the standard switches (/s, /p, /c, /a), handed to the engine as they are,
// where only their first two characters count: `/s --root` is a full-screen run.

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "engine/engine.h"

namespace quellar::x11 {

struct GuestRequest {
  std::optional<std::uint32_t> window;  // the host's window; none for the root window
  // An idle daemon's guest on a Wayland desktop: it covers every output itself and ends at the
  // first input.
  bool wayland = false;
  // Settings the guest takes from its command line instead of the store, for its run only: a
  // speed of 1 to 1001 ms, a chain of 2 to 255. With --defaults every setting is overridden: the
  // daemon's settings window leaves out a value at its default, which must then mean the default
  // and not the stored setting.
  engine::SettingOverrides overrides;
};
struct StandardRequest {};
struct UsageRequest {};
struct VersionRequest {};
// --stop: ends the Wayland guest running on this desktop, once its surfaces are gone.
struct StopRequest {};
using Request =
    std::variant<StandardRequest, UsageRequest, VersionRequest, StopRequest, GuestRequest>;

// A guest's command line that cannot be followed; the message is one line for stderr.
class CommandLineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `arguments` come after the program's own name; `saverWindow` is $XSCREENSAVER_WINDOW (null
// when unset), where --root finds the host's window. Raises a CommandLineError.
Request ParseCommandLine(std::span<const std::string_view> arguments, const char* saverWindow);

// What --help and --version print.
std::string UsageText();
std::string VersionText();

}  // namespace quellar::x11
