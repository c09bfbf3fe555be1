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
