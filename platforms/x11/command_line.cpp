#include "platforms/x11/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/engine.h"
#include "platforms/desktop/program_info.h"

namespace quellar::x11 {
namespace {

// X resource ids have 29 bits; 0 names no window.
constexpr std::uint32_t kLargestWindowId = 0x1FFFFFFF;

struct Range {
  std::int16_t lowest;
  std::int16_t highest;
};
constexpr Range kSpeedRange{1, 1001};
constexpr Range kChainRange{2, 255};

// Hosts spell their options with one dash or two.
std::string_view OptionName(std::string_view argument) {
  if (argument.starts_with("--")) return argument.substr(2);
  if (argument.starts_with("-")) return argument.substr(1);
  return {};
}

constexpr std::array<std::string_view, 7> kGuestOptions = {
    "root", "window-id", "wayland", "speed", "chain", "no-random-deleting", "defaults"};

bool StartsAGuest(std::string_view argument) {
  return std::ranges::find(kGuestOptions, OptionName(argument)) != kGuestOptions.end();
}

std::optional<std::uint32_t> ParseUnsigned(std::string_view text, int base) {
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Decimal, or hexadecimal after 0x, as hosts write window ids.
std::optional<std::uint32_t> ParseWindowId(std::string_view text) {
  const bool hex = text.starts_with("0x") || text.starts_with("0X");
  const std::optional<std::uint32_t> id =
      hex ? ParseUnsigned(text.substr(2), 16) : ParseUnsigned(text, 10);
  if (!id || *id == 0 || *id > kLargestWindowId) return std::nullopt;
  return id;
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// The arguments of a guest, one option (and its value) at a time.
class GuestParser {
 public:
  explicit GuestParser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

  GuestRequest Parse(const char* saverWindow) {
    bool root = false;
    bool defaults = false;
    for (; next_ < arguments_.size(); ++next_) {
      const std::string_view option = arguments_[next_];
      const std::string_view name = OptionName(option);
      if (name == "root") {
        root = true;
      } else if (name == "window-id") {
        request_.window = WindowIdValue(option);
      } else if (name == "wayland") {
        request_.wayland = true;
      } else if (name == "speed") {
        request_.overrides.speed = NumberValue(option, kSpeedRange);
      } else if (name == "chain") {
        request_.overrides.chain = NumberValue(option, kChainRange);
      } else if (name == "no-random-deleting") {
        request_.overrides.randomDeleting = false;
      } else if (name == "defaults") {
        defaults = true;
      } else {
        throw CommandLineError("unknown option " + Quoted(option) + " (see quellar --help)");
      }
    }
    if (request_.wayland && (root || request_.window)) {
      throw CommandLineError("--wayland covers every output: no window goes with it");
    }
    if (!root && !request_.window && !request_.wayland) {
      throw CommandLineError(
          "a guest needs --root, --window-id WINDOW or --wayland (see quellar --help)");
    }
    // An explicit window wins over the one a host announces.
    if (root && !request_.window) request_.window = SaverWindow(saverWindow);
    if (defaults) TakeDefaultsForTheRest();
    return request_;
  }

 private:
  std::string_view Value(std::string_view option, const std::string& what) {
    if (next_ + 1 >= arguments_.size())
      throw CommandLineError(std::string(option) + " needs " + what);
    return arguments_[++next_];
  }

  std::uint32_t WindowIdValue(std::string_view option) {
    const std::string_view text = Value(option, "a window id");
    const std::optional<std::uint32_t> id = ParseWindowId(text);
    if (!id) throw CommandLineError(std::string(option) + " " + Quoted(text) + ": not a window id");
    return *id;
  }

  std::int16_t NumberValue(std::string_view option, Range range) {
    const std::string bounds =
        "a number from " + std::to_string(range.lowest) + " to " + std::to_string(range.highest);
    const std::string_view text = Value(option, bounds);
    const std::optional<std::uint32_t> number = ParseUnsigned(text, 10);
    if (!number || *number < static_cast<std::uint32_t>(range.lowest) ||
        *number > static_cast<std::uint32_t>(range.highest)) {
      throw CommandLineError(std::string(option) + " " + Quoted(text) + ": not " + bounds);
    }
    return static_cast<std::int16_t>(*number);
  }

  void TakeDefaultsForTheRest() {
    engine::SettingOverrides& overrides = request_.overrides;
    overrides.speed = overrides.speed.value_or(engine::kDefaultInterval);
    overrides.chain = overrides.chain.value_or(engine::kDefaultChain);
    overrides.randomDeleting = overrides.randomDeleting.value_or(true);
  }

  // Where $XSCREENSAVER_WINDOW is unset or empty, the root window.
  static std::optional<std::uint32_t> SaverWindow(const char* saverWindow) {
    if (saverWindow == nullptr || *saverWindow == '\0') return std::nullopt;
    const std::optional<std::uint32_t> id = ParseWindowId(saverWindow);
    if (!id)
      throw CommandLineError("XSCREENSAVER_WINDOW=" + Quoted(saverWindow) + ": not a window id");
    return id;
  }

  std::span<const std::string_view> arguments_;
  std::size_t next_ = 0;
  GuestRequest request_;
};

}  // namespace

Request ParseCommandLine(std::span<const std::string_view> arguments, const char* saverWindow) {
  if (!arguments.empty() && arguments.front() == "--help") return UsageRequest{};
  if (!arguments.empty() && arguments.front() == "--version") return VersionRequest{};
  if (!arguments.empty() && arguments.front() == "--stop") {
    if (arguments.size() > 1) throw CommandLineError("--stop takes no other argument");
    return StopRequest{};
  }
  if (arguments.empty() || !StartsAGuest(arguments.front())) return StandardRequest{};
  return GuestParser(arguments).Parse(saverWindow);
}

std::string UsageText() {
  return R"(Usage: quellar [/s | /p WINDOW | /c | /a]
       quellar --root | --window-id WINDOW | --wayland [--defaults] [--speed MS]
               [--chain N] [--no-random-deleting]
       quellar --stop | --help | --version

Columns of glyphs fall down a black screen. The first argument decides how the
others are read.

The standard switches; only their first two characters count, in either case:
  /s or nothing   full-screen run. F1 lists its keys. Space, Escape or a mouse
                  button plays the "SYSTEM FAILURE" sequence and a second press
                  ends the run; when the settings dialog skips the sequence, the
                  first press ends it. A double click ends it at once.
  /p WINDOW       preview inside the X window WINDOW (a decimal id)
  /c              the settings dialog
  /a              a notice: setting a password is not available
Any other switch does nothing.

A guest of a screen-saver host, when the first argument is one of the options
below and so is every other. It draws in the host's window at its size, takes
no input, ends with status 0 on SIGTERM, SIGINT or SIGHUP or when the window
goes, and starts its run afresh on SIGUSR1. It stores none of its settings;
like every run, it records the program's installation in the store.
  --root               the window in $XSCREENSAVER_WINDOW, else the root window
  --window-id WINDOW   the X window WINDOW (decimal, or hexadecimal after 0x)
  --wayland            every output of the Wayland desktop, for an idle daemon: it
                       returns once the rain is on every output, leaving it running
                       (a second start while it runs starts nothing), and the rain
                       ends at the first key, button or movement; nothing starts
                       while a lock screen is up
  --speed MS           the timer interval, 1 to 1001 ms
  --chain N            chains of N - 1 glyphs, N from 2 to 255 (at most the
                       window's rows + 2)
  --no-random-deleting no random gaps in the falling chains
  --defaults           what these options leave out is its default (speed 41,
                       chain 28, random deleting on), not the stored setting;
                       the daemon's settings window passes it, since it leaves
                       out every value at its default
Without --defaults, what they leave out is the stored setting, which a
full-screen run stores when it ends (a speed only up to 255 ms). Options hold
for that run only; each may also be written with one dash (-root, -speed MS).

--stop, alone, ends the --wayland rain of this desktop and returns once it is
gone: for the lock command, before it locks (see man quellar).

Settings: $QUELLAR_REGISTRY, else $XDG_CONFIG_HOME/quellar/registry.sqlite3,
else ~/.config/quellar/registry.sqlite3.
)";
}

std::string VersionText() {
  return "quellar " + desktop::VersionNumber() + "\n";
}

}  // namespace quellar::x11
