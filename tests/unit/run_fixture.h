#pragma once
// A store and runs of the program on the memory platform, for tests.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/engine.h"
#include "registry/mod_registry.h"
#include "registry/sqlite/sqlite_store.h"
#include "windows/memory/memory_run.h"

namespace quellar::testing_support {

class RunFixture : public ::testing::Test {
 protected:
  std::unique_ptr<memory::MemoryRun> StartRun(memory::MemoryConfig config) {
    auto run = std::make_unique<memory::MemoryRun>(store_, std::move(config));
    run->Start();
    return run;
  }

  std::unique_ptr<memory::MemoryRun> StartFullScreen(std::int32_t width = 1024,
                                                     std::int32_t height = 768) {
    memory::MemoryConfig config;
    config.screenWidth = width;
    config.screenHeight = height;
    return StartRun(std::move(config));
  }

  // A preview inside the host window `host` of width x height pixels.
  std::unique_ptr<memory::MemoryRun> StartPreview(Handle host, std::int32_t width,
                                                  std::int32_t height) {
    memory::MemoryConfig config;
    config.commandLine = "/p " + std::to_string(host);
    config.hostWindows[host] = Rect{0, 0, width, height};
    return StartRun(std::move(config));
  }

  // Presses every key at virtual time `at`.
  static void PressKeys(memory::MemoryRun& run, std::int64_t at,
                        std::initializer_list<std::int16_t> keys) {
    for (const std::int16_t key : keys) {
      run.Schedule({.at = at, .kind = memory::ScriptedEvent::Kind::Key, .code = key});
    }
  }

  void Store(const std::string& name, const std::string& text, const std::string& letter) {
    modRegistry::SaveSetting(store_, engine::kAppTitle, name, text, letter);
  }

  // The stored value as text, or "<none>".
  std::string Stored(const std::string& name, const std::string& letter) {
    return modRegistry::GetSetting(store_, engine::kAppTitle, name, "<none>", letter);
  }

  registry::SqliteStore store_{":memory:"};
};

}  // namespace quellar::testing_support
