#include "windows/x11/command_line.h"

#include <algorithm>
#include <charconv>

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

bool MakesAGuest(std::string_view argument) {
  const std::string_view name = OptionName(argument);
  return name == "root" || name == "window-id";
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
    for (; next_ < arguments_.size(); ++next_) {
      const std::string_view option = arguments_[next_];
      const std::string_view name = OptionName(option);
      if (name == "root") {
        root = true;
      } else if (name == "window-id") {
        request_.window = WindowIdValue(option);
      } else if (name == "speed") {
        request_.overrides.speed = NumberValue(option, kSpeedRange);
      } else if (name == "chain") {
        request_.overrides.chain = NumberValue(option, kChainRange);
      } else if (name == "no-random-deleting") {
        request_.overrides.noRandomDeleting = true;
      } else {
        throw CommandLineError("unknown option " + Quoted(option) + " (see quellar --help)");
      }
    }
    // An explicit window wins over the one a host announces.
    if (root && !request_.window) request_.window = SaverWindow(saverWindow);
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
  if (std::none_of(arguments.begin(), arguments.end(), MakesAGuest)) return StandardRequest{};
  return GuestParser(arguments).Parse(saverWindow);
}

std::string UsageText() {
  return R"(Usage: quellar [/s | /p WINDOW | /c | /a]
       quellar --root | --window-id WINDOW [--speed MS] [--chain N] [--no-random-deleting]
       quellar --help | --version

Columns of glyphs fall down a black screen.

  /s or nothing   full-screen run; F1 lists its keys, Space or Escape ends it
  /p WINDOW       preview inside the X window WINDOW (a decimal id)
  /c              the settings dialog
  /a              a notice: setting a password is not available

As a guest of a screen-saver host, drawing in the host's window at its size, taking no input
and storing no settings:
  --root               the window in $XSCREENSAVER_WINDOW, else the root window
  --window-id WINDOW   the X window WINDOW (decimal, or hexadecimal after 0x)
  --speed MS           the timer interval, 1 to 1001 ms (the default is 41)
  --chain N            the chain length, 2 to 255 (at most the window's rows + 2)
  --no-random-deleting no random gaps in the falling chains
The last three override the stored settings for that run only. Each option may also be
written with one dash (-root, -window-id WINDOW, ...).

Settings: $QUELLAR_REGISTRY, else $XDG_CONFIG_HOME/quellar/registry.sqlite3, else
~/.config/quellar/registry.sqlite3.
)";
}

std::string VersionText() {
  return "quellar " + std::to_string(QUELLAR_VERSION_MAJOR) + "." +
         std::to_string(QUELLAR_VERSION_MINOR) + "." + std::to_string(QUELLAR_VERSION_PATCH) + "\n";
}

}  // namespace quellar::x11
