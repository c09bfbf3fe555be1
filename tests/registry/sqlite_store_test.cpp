// What only the SQLite store has to get right: its file, other processes using the same file,
// files it may not write, and the file search on this platform.

#include "registry/sqlite/sqlite_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <thread>

#include "registry/default_store.h"
#include "registry/mod_registry.h"
#include "tests/registry/raw_access.h"
#include "tests/registry/scoped_paths.h"

namespace quellar::test {
namespace {

using namespace registry;
using namespace modRegistry;
namespace fs = std::filesystem;

constexpr const char* kTitle = "QuellarTest";

class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old;
    Set(value);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() { Set(previous_); }

 private:
  void Set(const std::optional<std::string>& value) {
    if (value) {
      setenv(name_, value->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

  const char* name_;
  std::optional<std::string> previous_;
};

// --- One file, several processes -----------------------------------------------------------

TEST(SqliteStoreFile, ConnectionsToOneFileSeeEachOthersWrites) {
  const ScopedTempDir directory;
  const std::string file = (directory.Path() / "registry.sqlite3").string();
  {
    SqliteStore run(file);
    SqliteStore dialog(file);
    ASSERT_EQ(SaveSetting(run, kTitle, "speed", "31", "B"), kErrorSuccess);
    EXPECT_EQ(GetSetting(dialog, kTitle, "speed", "41", "B"), "31");

    // A key opened before another connection writes sees the write: nothing is cached.
    HKey key = 0;
    ASSERT_EQ(
        run.OpenKey(kHkeyLocalMachine, "SOFTWARE\\Tovenlab\\QuellarTest", 0, kKeyQueryValue, key),
        kErrorSuccess);
    ASSERT_EQ(SaveSetting(dialog, kTitle, "MouseMove", "1", "B"), kErrorSuccess);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(run.QueryValue(key, "MouseMove", type, nullptr, size), kErrorSuccess);
    EXPECT_EQ(run.CloseKey(key), kErrorSuccess);
  }
  SqliteStore nextRun(file);
  EXPECT_EQ(GetSetting(nextRun, kTitle, "speed", "41", "B"), "31");
  EXPECT_EQ(GetSetting(nextRun, kTitle, "MouseMove", "0", "B"), "1");
}

TEST(SqliteStoreFile, WriteWaitsForAnotherProcesssWrite) {
  const ScopedTempDir directory;
  const std::string file = (directory.Path() / "registry.sqlite3").string();
  SqliteStore store(file);

  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  std::thread finishesSoon([other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  });
  EXPECT_EQ(SaveSetting(store, kTitle, "chain", "30", "B"), kErrorSuccess);
  finishesSoon.join();
  sqlite3_close(other);
  EXPECT_EQ(GetSetting(store, kTitle, "chain", "28", "B"), "30");
}

// --- Files the store may not write ---------------------------------------------------------

// Opened read-only by URI: file modes do not bind the superuser the tests may run as, and
// SQLite answers both alike.
TEST(SqliteStoreFile, ReadOnlyFileRefusesWritesAndServesReads) {
  const ScopedTempDir directory;
  const std::string file = (directory.Path() / "registry.sqlite3").string();
  {
    SqliteStore writable(file);
    ASSERT_EQ(SaveSetting(writable, kTitle, "speed", "31", "B"), kErrorSuccess);
  }
  SqliteStore store("file:" + file + "?mode=ro");
  EXPECT_EQ(SaveSetting(store, kTitle, "speed", "50", "B"), kErrorAccessDenied);
  HKey key = 0;
  ASSERT_EQ(
      store.OpenKey(kHkeyLocalMachine, "SOFTWARE\\Tovenlab\\QuellarTest", 0, kKeySetValue, key),
      kErrorSuccess);
  const std::uint8_t byte = 1;
  EXPECT_EQ(store.SetValue(key, "speed", kRegBinary, &byte, 1), kErrorAccessDenied);
  EXPECT_EQ(store.CloseKey(key), kErrorSuccess);
  EXPECT_EQ(GetSetting(store, kTitle, "speed", "41", "B"), "31");
}

TEST(SqliteStoreFile, FileThatIsNoStoreIsNamedInTheError) {
  const ScopedTempDir directory;
  const fs::path notADatabase = directory.Path() / "notes.txt";
  std::ofstream(notADatabase) << "These are not the settings you are looking for.\n";
  for (const fs::path& file : {notADatabase, directory.Path()}) {
    try {
      SqliteStore store(file.string());
      ADD_FAILURE() << file << " opened";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
    }
  }
}

// --- Where the default store lives ---------------------------------------------------------

struct Environment {
  std::optional<std::string> quellarRegistry;
  std::optional<std::string> xdgConfigHome;
  std::optional<std::string> home;
  const char* expectedFile;  // relative to the test directory
};

class DefaultFile : public testing::TestWithParam<Environment> {};

TEST_P(DefaultFile, FollowsTheEnvironment) {
  const ScopedTempDir directory;
  const ScopedCurrentDirectory inside(directory.Path());
  const std::string root = directory.Path().string();
  const auto inRoot = [&root](const std::optional<std::string>& value) {
    return value && value->starts_with('/') ? std::optional(root + *value) : value;
  };
  const Environment& environment = GetParam();
  const ScopedEnvironment quellarRegistry("QUELLAR_REGISTRY", inRoot(environment.quellarRegistry));
  const ScopedEnvironment xdgConfigHome("XDG_CONFIG_HOME", inRoot(environment.xdgConfigHome));
  const ScopedEnvironment home("HOME", inRoot(environment.home));

  const std::unique_ptr<RegistryApi> store = OpenDefaultRegistry();
  ASSERT_EQ(SaveSetting(*store, kTitle, "speed", "31", "B"), kErrorSuccess);
  EXPECT_TRUE(fs::is_regular_file(directory.Path() / environment.expectedFile));
}

INSTANTIATE_TEST_SUITE_P(Rules, DefaultFile,
                         testing::Values(Environment{"/chosen.db", "/xdg", "/home", "chosen.db"},
                                         Environment{std::nullopt, "/xdg", "/home",
                                                     "xdg/quellar/registry.sqlite3"},
                                         Environment{std::nullopt, std::nullopt, "/home",
                                                     "home/.config/quellar/registry.sqlite3"},
                                         // The XDG rules ignore a relative configuration directory.
                                         Environment{std::nullopt, "relative", "/home",
                                                     "home/.config/quellar/registry.sqlite3"}));

TEST(DefaultFileRules, NowhereToPutTheFileIsAnError) {
  const ScopedEnvironment quellarRegistry("QUELLAR_REGISTRY", std::nullopt);
  const ScopedEnvironment xdgConfigHome("XDG_CONFIG_HOME", std::nullopt);
  const ScopedEnvironment home("HOME", std::nullopt);
  EXPECT_THROW(OpenDefaultRegistry(), std::runtime_error);
}

// --- Ordinary files ------------------------------------------------------------------------

struct Search {
  const char* pattern;
  bool found;
};

class OrdinaryFileSearch : public testing::TestWithParam<Search> {};

TEST_P(OrdinaryFileSearch, SkipsDotFilesAndDirectories) {
  const ScopedTempDir directory;
  std::ofstream(directory.Path() / "plain") << "x";
  std::ofstream(directory.Path() / ".hidden") << "x";
  fs::create_directory(directory.Path() / "folder");
  const ScopedCurrentDirectory inside(directory.Path());

  SqliteStore store(":memory:");
  EXPECT_EQ(store.FindOrdinaryFile(GetParam().pattern), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Patterns, OrdinaryFileSearch,
                         testing::Values(Search{"plain", true}, Search{"pl?in", true},
                                         Search{"*", true}, Search{".hidden", false},
                                         Search{".*", false}, Search{"fold*", false},
                                         Search{"missing", false}));

}  // namespace
}  // namespace quellar::test
