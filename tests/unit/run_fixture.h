#pragma once
// Runs of the program on the memory platform over a store of their own, and what their call
// logs say, for tests.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platforms/memory/memory_run.h"
#include "registry/mod_registry.h"
#include "registry/text_store.h"
#include "tests/store/text/string_slot.h"

namespace quellar::testing_support {

using memory::ScriptedEvent;
using Kind = ScriptedEvent::Kind;
using RunPtr = std::unique_ptr<memory::MemoryRun>;

class RunFixture : public ::testing::Test {
 protected:
  RunPtr StartRun(memory::MemoryConfig config) {
    auto run = std::make_unique<memory::MemoryRun>(store_, std::move(config));
    run->Start();
    return run;
  }

  // Its log holds every call, block copies included.
  RunPtr StartFullScreen(std::int32_t width = 1024, std::int32_t height = 768,
                         std::uint64_t seed = 1) {
    return StartRun({.screenWidth = width,
                     .screenHeight = height,
                     .logging = memory::Logging::kCallsAndDrawing,
                     .seed = seed});
  }

  // Presses every key at virtual time `at`.
  static void Press(memory::MemoryRun& run, std::int64_t at,
                    std::initializer_list<std::int16_t> keys) {
    for (const std::int16_t key : keys) run.Schedule({.at = at, .kind = Kind::Key, .code = key});
  }

  void Store(const std::string& name, const std::string& text, const std::string& letter) {
    modRegistry::SaveSetting(store_, engine::kAppTitle, name, text, letter);
  }

  // The stored value as text, or "<none>".
  std::string Stored(const std::string& name, const std::string& letter) {
    return modRegistry::GetSetting(store_, engine::kAppTitle, name, "<none>", letter);
  }

  registry::TextStore store_{
      std::make_unique<test::StringSlot>(std::make_shared<test::SlotState>())};
};

inline const softgdi::Surface& BackBuffer(memory::MemoryRun& run) {
  return *run.Platform().Gdi().SurfaceOf(run.Engine().state.hdcBuffer);
}

// The box of `surface` at (x, y) holds the pixels of `picture` at (px, py), or black without one.
inline bool Shows(const softgdi::Surface& surface, std::int32_t x, std::int32_t y,
                  std::int32_t width, std::int32_t height,
                  const softgdi::Surface* picture = nullptr, std::int32_t px = 0,
                  std::int32_t py = 0) {
  for (std::int32_t dy = 0; dy < height; ++dy) {
    for (std::int32_t dx = 0; dx < width; ++dx) {
      if (surface.At(x + dx, y + dy) != (picture ? picture->At(px + dx, py + dy) : 0)) return false;
    }
  }
  return true;
}

struct Blit {
  int x = 0, y = 0, width = 0, height = 0, source = 0, sourceX = 0, sourceY = 0;
};

// The block copies of the log from call `first` on that copy from `source`.
inline std::vector<Blit> BlitsFrom(const memory::MemoryRun& run, std::size_t first, Handle source) {
  std::vector<Blit> blits;
  const std::vector<std::string>& calls = run.Platform().Calls();
  for (const std::string& call : std::span(calls).subspan(first)) {
    Blit b;
    const int read = std::sscanf(call.c_str(), "BitBlt(%*d, %d, %d, %d, %d, %d, %d, %d", &b.x, &b.y,
                                 &b.width, &b.height, &b.source, &b.sourceX, &b.sourceY);
    if (read == 7 && b.source == source) blits.push_back(b);
  }
  return blits;
}

struct CellDraw {
  int x = 0, y = 0, glyph = 0, shade = 0;
  bool operator==(const CellDraw&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const CellDraw& d) {
    return out << "(" << d.x << "," << d.y << ": " << d.glyph << "/" << d.shade << ")";
  }
};

// The glyph cells drawn from call `first` on.
inline std::vector<CellDraw> CellDraws(const memory::MemoryRun& run, std::size_t first) {
  std::vector<CellDraw> draws;
  for (const Blit& b : BlitsFrom(run, first, run.Engine().state.hdcGlyphs)) {
    if (b.width == 16 && b.height == 20) {
      draws.push_back({b.x, b.y, b.sourceX / 16, b.sourceY / 22});
    }
  }
  return draws;
}

}  // namespace quellar::testing_support
