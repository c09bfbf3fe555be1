#include "tools/render/render_options.h"

#include <charconv>
#include <functional>
#include <map>

#include "platforms/monitors/monitor_list.h"

namespace quellar::render {

const char* const kRenderUsage = R"(Usage: quellar-render [options]

Runs the screen saver's engine headless, in virtual time, and writes its window as PNG.

Run:
  --screen WxH          full-screen run on a screen of WxH pixels (default 1024x768)
  --monitors LIST       full-screen run on several monitors, e.g. 1920x1080+0+0*,1280x1024+1920+0
                        (size, signed position of the top-left corner, * for the primary);
                        the picture shows their bounding box
  --preview WxH         preview run inside a host window of WxH pixels
  --command TEXT        any other command line (for example /a or /c)
  --store FILE          settings store (SQLite file); read and written as a real run does
                        (default: a fresh store in memory)
  --seed N              seed of the random generator (default 1)
  --ticks N             run until the animation timer has fired N times
  --time MS             run for MS virtual milliseconds (default: 2000 when --ticks is absent)
Input, at virtual times in milliseconds (each may be given several times):
  --key MS:CODE         a key press with Windows virtual-key code CODE (27 Escape, 107 keypad +)
  --click MS            a mouse button press
  --dblclick MS         a double click
  --move MS             a pointer movement
  --repeat MS           all of this input comes again every MS milliseconds, for the whole run
Output:
  --png FILE            the window's picture at the end (default quellar.png)
  --png-at TICK:FILE    also the picture right after tick TICK
  --state FILE          the engine state as JSON at the end
  --resident-every N    print the process's resident memory after every N ticks
  --help                this text

It prints whether the run ended and when. Exit status: 0 the run was still going at the end,
10 the program ended (and at which virtual time it says), 1 a run-time error ended it (the
picture is still written) or a file could not be written, 2 a bad option, 3 the settings store
could not be used as asked (the run went on, as the program would, with the settings it could
read; one line on stderr says what went wrong).
)";

namespace {

template <typename Int>
bool ParseInt(std::string_view text, Int& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

// The engine takes surfaces up to 32767 pixels each way; a run holds two frames of the size, so
// their area stays within 16000 x 16000 pixels.
constexpr std::int32_t kLongestSide = 32767;
constexpr std::int64_t kMostPixels = std::int64_t{16000} * 16000;

bool ParseSize(std::string_view text, std::int32_t& width, std::int32_t& height) {
  const std::size_t x = text.find('x');
  return x != std::string_view::npos && ParseInt(text.substr(0, x), width) &&
         ParseInt(text.substr(x + 1), height) && width > 0 && height > 0 && width <= kLongestSide &&
         height <= kLongestSide && std::int64_t{width} * height <= kMostPixels;
}

// A count or a duration that must be above 0.
bool ParsePositive(std::string_view text, std::int64_t& value) {
  return ParseInt(text, value) && value > 0;
}

// "MS" or "MS:REST"; `rest` is empty when there is no colon.
bool SplitTime(std::string_view text, std::int64_t& at, std::string_view& rest) {
  const std::size_t colon = text.find(':');
  rest = colon == std::string_view::npos ? std::string_view{} : text.substr(colon + 1);
  return ParseInt(text.substr(0, colon), at) && at >= 0 &&
         (colon == std::string_view::npos || !rest.empty());
}

using Kind = memory::ScriptedEvent::Kind;

bool ParseEvent(Kind kind, std::string_view text, memory::ScriptedEvent& event) {
  std::string_view rest;
  if (!SplitTime(text, event.at, rest)) return false;
  event.kind = kind;
  // Only a key has something more to say: its code.
  if (kind != Kind::Key) return rest.empty();
  return ParseInt(rest, event.code) && event.code > 0;
}

// Each monitor is a screen the engine could run on alone; their bounding box is one frame.
bool ParseMonitors(std::string_view text, std::vector<monitors::MonitorInfo>& list) {
  const auto parsed = monitors::ParseMonitorList(text);
  if (!parsed) return false;
  for (const monitors::MonitorInfo& monitor : *parsed) {
    if (monitors::Width(monitor.rect) > kLongestSide ||
        monitors::Height(monitor.rect) > kLongestSide) {
      return false;
    }
  }
  const Rect bounds = monitors::ArrangeMonitors(*parsed).bounds;
  const std::int64_t area = std::int64_t{monitors::Width(bounds)} * monitors::Height(bounds);
  if (area > kMostPixels) return false;
  list = *parsed;
  return true;
}

using Setter = std::function<bool(RenderOptions&, std::string_view)>;

Setter EventSetter(Kind kind) {
  return [kind](RenderOptions& o, std::string_view v) {
    memory::ScriptedEvent event;
    if (!ParseEvent(kind, v, event)) return false;
    o.events.push_back(event);
    return true;
  };
}

const std::map<std::string, Setter, std::less<>>& Setters() {
  static const std::map<std::string, Setter, std::less<>> setters = {
      {"--screen",
       [](RenderOptions& o, std::string_view v) {
         o.commandLine = "/s";
         return ParseSize(v, o.screenWidth, o.screenHeight);
       }},
      {"--monitors",
       [](RenderOptions& o, std::string_view v) {
         o.commandLine = "/s";
         return ParseMonitors(v, o.monitors);
       }},
      {"--preview",
       [](RenderOptions& o, std::string_view v) {
         o.commandLine = "/p 1";
         return ParseSize(v, o.hostWidth, o.hostHeight);
       }},
      {"--command",
       [](RenderOptions& o, std::string_view v) {
         o.commandLine = v;
         return true;
       }},
      {"--store",
       [](RenderOptions& o, std::string_view v) {
         o.storeFile = v;
         return !v.empty();
       }},
      {"--seed", [](RenderOptions& o, std::string_view v) { return ParseInt(v, o.seed); }},
      {"--ticks",
       [](RenderOptions& o, std::string_view v) {
         o.ticks = 0;
         return ParseInt(v, *o.ticks) && *o.ticks >= 0;
       }},
      {"--time",
       [](RenderOptions& o, std::string_view v) {
         o.milliseconds = 0;
         return ParseInt(v, *o.milliseconds) && *o.milliseconds >= 0;
       }},
      {"--key", EventSetter(Kind::Key)},
      {"--click", EventSetter(Kind::Button)},
      {"--dblclick", EventSetter(Kind::DoubleClick)},
      {"--move", EventSetter(Kind::Move)},
      {"--repeat", [](RenderOptions& o, std::string_view v) { return ParsePositive(v, o.repeat); }},
      {"--resident-every",
       [](RenderOptions& o, std::string_view v) { return ParsePositive(v, o.residentEvery); }},
      {"--png",
       [](RenderOptions& o, std::string_view v) {
         o.pngFile = v;
         return !v.empty();
       }},
      {"--png-at",
       [](RenderOptions& o, std::string_view v) {
         PictureAt picture;
         std::string_view file;
         if (!SplitTime(v, picture.tick, file) || file.empty()) return false;
         picture.file = file;
         o.pictures.push_back(picture);
         return true;
       }},
      {"--state",
       [](RenderOptions& o, std::string_view v) {
         o.stateFile = v;
         return !v.empty();
       }},
  };
  return setters;
}

}  // namespace

std::variant<RenderOptions, std::string> ParseRenderOptions(const std::vector<std::string>& args) {
  RenderOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--help" || name == "-h") {
      options.help = true;
      continue;
    }
    const auto setter = Setters().find(name);
    if (setter == Setters().end()) return "unknown option '" + name + "' (see --help)";
    if (i + 1 == args.size()) return "option " + name + " needs a value (see --help)";
    const std::string& value = args[++i];
    if (!setter->second(options, value)) {
      return "invalid value '" + value + "' for " + name + " (see --help)";
    }
  }
  if (options.ticks && options.milliseconds) return "give either --ticks or --time, not both";
  if (!options.ticks && !options.milliseconds) options.milliseconds = 2000;
  for (memory::ScriptedEvent& event : options.events) event.every = options.repeat;
  return options;
}

}  // namespace quellar::render
