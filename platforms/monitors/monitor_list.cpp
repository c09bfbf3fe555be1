#include "platforms/monitors/monitor_list.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace quellar::monitors {
namespace {

// Reads a number at the front of `text`, with its sign when `signedNumber`.
std::optional<std::int32_t> TakeNumber(std::string_view& text, bool signedNumber) {
  bool negative = false;
  if (signedNumber) {
    if (text.empty() || (text.front() != '+' && text.front() != '-')) return std::nullopt;
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end == text.data() || value < 0) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return negative ? -value : value;
}

std::optional<MonitorInfo> ParseMonitor(std::string_view text) {
  MonitorInfo monitor;
  if (!text.empty() && text.back() == '*') {
    monitor.primary = true;
    text.remove_suffix(1);
  }
  const std::optional<std::int32_t> width = TakeNumber(text, false);
  if (!width || text.empty() || text.front() != 'x') return std::nullopt;
  text.remove_prefix(1);
  const std::optional<std::int32_t> height = TakeNumber(text, false);
  const std::optional<std::int32_t> x = TakeNumber(text, true);
  const std::optional<std::int32_t> y = TakeNumber(text, true);
  if (!height || !x || !y || !text.empty() || *width == 0 || *height == 0) return std::nullopt;
  // Its right and bottom edges must be numbers too.
  if (*x > INT32_MAX - *width || *y > INT32_MAX - *height) return std::nullopt;
  monitor.rect = Rect{*x, *y, *x + *width, *y + *height};
  return monitor;
}

}  // namespace

std::optional<std::vector<MonitorInfo>> ParseMonitorList(std::string_view text) {
  std::vector<MonitorInfo> monitors;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::optional<MonitorInfo> monitor = ParseMonitor(text.substr(0, comma));
    if (!monitor) return std::nullopt;
    monitors.push_back(*monitor);
    if (comma == std::string_view::npos) return monitors;
    text.remove_prefix(comma + 1);
  }
}

std::optional<std::vector<MonitorInfo>> MonitorsFromEnvironment() {
  const char* text = std::getenv("QUELLAR_MONITORS");
  if (text == nullptr) return std::nullopt;
  if (text[0] != '@') return ParseMonitorList(text);
  std::string list;
  std::getline(std::ifstream(text + 1), list);
  return ParseMonitorList(list);
}

}  // namespace quellar::monitors
