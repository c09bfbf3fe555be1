#pragma once
// The command line of quellar-render.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platforms/memory/memory_run.h"

namespace quellar::render {

struct PictureAt {
  std::int64_t tick = 0;
  std::string file;
};

struct RenderOptions {
  std::string commandLine = "/s";
  std::int32_t screenWidth = 1024;
  std::int32_t screenHeight = 768;
  std::vector<monitors::MonitorInfo> monitors;  // none: one monitor of the screen's size
  std::int32_t hostWidth = 0;                   // a preview's host window
  std::int32_t hostHeight = 0;
  std::string storeFile = ":memory:";
  std::uint64_t seed = 1;
  std::optional<std::int64_t> ticks;
  std::optional<std::int64_t> milliseconds;
  std::vector<memory::ScriptedEvent> events;
  std::int64_t repeat = 0;         // every event comes again this many milliseconds later; 0: once
  std::int64_t residentEvery = 0;  // print the resident size after every so many ticks; 0: never
  std::string pngFile = "quellar.png";
  std::vector<PictureAt> pictures;
  std::string stateFile;
  bool help = false;
};

// The options, or a message saying what is wrong with the command line.
std::variant<RenderOptions, std::string> ParseRenderOptions(const std::vector<std::string>& args);

extern const char* const kRenderUsage;

}  // namespace quellar::render
