// The SQLite store's faults: files it must not use or write, files it adopts, files it may not
// write, another process's lock, and where its file lives.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>

#include "registry/mod_registry.h"
#include "registry/sqlite/default_store.h"
#include "registry/sqlite/store_file.h"
#include "tests/store/store_test_support.h"

namespace quellar::test {
namespace {

using namespace modRegistry;

std::map<fs::path, std::string> Snapshot(const fs::path& directory) {
  std::map<fs::path, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(directory)) {
    std::ifstream in(entry.path());
    if (entry.is_regular_file()) files[entry.path()].assign(std::istreambuf_iterator<char>(in), {});
  }
  return files;
}

void MakeStore(const std::string& file) {
  EXPECT_EQ(SaveSetting(*Opened(file).store, kTitle, "speed", "31", "B"), kErrorSuccess);
}

void MakeEmpty(const std::string& file) {
  std::ofstream{file};
}

// The two tables as earlier builds made them, without the mark, holding `speed` 31.
void MakeEarlierBuild(const std::string& file) {
  Sql(file,
      std::string(kStoreSchema) +
          "INSERT INTO registry_keys VALUES('HKEY_LOCAL_MACHINE\\SOFTWARE\\Tovenlab\\" + kTitle +
          "'); INSERT INTO registry_values SELECT path, 'speed', 3, x'1F' FROM registry_keys");
}

std::function<void(const std::string&)> MakeWith(const char* sql) {
  return [sql](const std::string& file) { Sql(file, sql); };
}

struct FileCase {
  const char* name;
  std::function<void(const std::string&)> make;  // the file before the program opens it
  const char* query;                             // of the URI the program is given
  bool readOnly;                                 // file and directory may not be written
  const char* seen;  // the speed read, a write's answer, the start of the one report
  const char* mode;  // the journal mode of a file that is written; "" for an untouched file
};

class Files : public testing::TestWithParam<FileCase> {};

// The run goes on whatever the file: with the defaults, told once why, and a file that is not
// used stays exactly as it was.
TEST_P(Files, NeverStopTheRunAndAreWrittenOnlyWhenOurs) {
  const FileCase& c = GetParam();
  const ScopedTempDir directory;
  const fs::path settings = directory.path / "settings";
  const std::string file = (settings / "registry.sqlite3").string();
  fs::create_directory(settings);
  c.make(file);
  if (fs::is_regular_file(file)) fs::permissions(file, fs::perms(c.readOnly ? 0444 : 0666));
  if (fs::exists(settings)) fs::permissions(settings, fs::perms(c.readOnly ? 0555 : 0777));
  const auto before = Snapshot(directory.path);
  // Where file modes bind: the tests may run as the superuser.
  const std::string seen = Wait(Spawn([&](int parent) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return;
    Opened opened("file:" + file + c.query);
    const std::string speed = GetSetting(*opened.store, kTitle, "speed", "41", "B");
    const std::int32_t answer = SaveSetting(*opened.store, kTitle, "chain", "30", "B");
    SaveSetting(*opened.store, kTitle, "randm", "False", "S");
    std::string report;
    for (const std::string& line : opened.reports)
      report += line.substr(line.find("\" ") + 2) + "|";
    Tell(parent, speed + " " + std::to_string(answer) + " " + report);
  }));
  if (fs::exists(settings)) fs::permissions(settings, fs::perms(0777));
  EXPECT_TRUE(seen.starts_with(c.seen)) << seen;
  // One line tells of a file that is not used or not written; nothing of one that works.
  EXPECT_EQ(std::count(seen.begin(), seen.end(), '|'), c.mode[0] == '\0' ? 1 : 0) << seen;
  if (c.mode[0] == '\0') {
    EXPECT_EQ(Snapshot(directory.path), before);
    return;
  }
  EXPECT_EQ(Sql(file, "PRAGMA journal_mode; PRAGMA application_id"),
            c.mode + std::to_string(kStoreApplicationId));
  EXPECT_EQ(GetSetting(*Opened(file).store, kTitle, "chain", "28", "B"), "30");
}

void Nothing(const std::string&) {}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Files,
    testing::Values(
        FileCase{"Missing", Nothing, "", false, "41 0 ", "wal"},
        FileCase{"Empty", MakeEmpty, "", false, "41 0 ", "wal"},
        FileCase{"EarlierBuild", MakeEarlierBuild, "", false, "31 0 ", "wal"},
        // A file system without shared memory: a rollback journal instead of the log.
        FileCase{"NoSharedMemory", Nothing, "?vfs=unix-dotfile", false, "41 0 ", "delete"},
        FileCase{"ReadOnly", MakeStore, "", true,
                 "31 5 is read-only: changed settings are not saved|", ""},
        FileCase{"ReadOnlyEmpty", MakeEmpty, "", true, "41 5 is read-only", ""},
        FileCase{"Directory", [](auto& f) { fs::create_directory(f); }, "", false,
                 "41 1016 cannot be opened", ""},
        FileCase{"MissingDirectory", [](auto& f) { fs::remove(fs::path(f).parent_path()); }, "",
                 false, "41 1016 cannot be opened: No such file", ""},
        FileCase{"Text", [](auto& f) { std::ofstream(f) << "notes"; }, "", false,
                 "41 1016 is not an SQLite database; the default", ""},
        FileCase{"Truncated", [](auto& f) { MakeStore(f), fs::resize_file(f, 5000); }, "", false,
                 "41 1016 cannot be read", ""},
        FileCase{"OtherTables", MakeWith("CREATE TABLE notes(text)"), "", false, "41 1016 is not a",
                 ""},
        FileCase{"KeylessValues",
                 MakeWith("CREATE TABLE registry_values(key_path, name, type, data)"), "", false,
                 "41 1016 is not a", ""},
        FileCase{"OtherProgramsMark", MakeWith("PRAGMA application_id = 7; CREATE TABLE t(x)"), "",
                 false, "41 1016 is not a", ""},
        FileCase{"OtherProgramsLog", MakeWith("PRAGMA journal_mode = WAL; CREATE TABLE t(x)"), "",
                 false, "41 1016 is not a", ""}),
    [](const auto& param) { return std::string(param.param.name); });

struct VirtualClock final : StoreClock {
  std::int64_t Milliseconds() override { return now; }
  void Sleep(std::int64_t milliseconds) override { now += milliseconds; }
  std::int64_t now = 0;
};

// The waits of one burst of calls share 250 ms; a write that missed the lock (its key too) is
// kept for the retry at the end, which waits up to 5 s more and tells of what it drops.
TEST(Lock, WaitsAreBoundedAndMissedWritesAreRetriedAtTheEnd) {
  for (const bool released : {true, false}) {
    const ScopedTempDir directory;
    const std::string file = directory.File("registry.sqlite3");
    VirtualClock clock;
    Opened opened(file, &clock);
    sqlite3* other = nullptr;
    sqlite3_open(file.c_str(), &other);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(SaveSetting(*opened.store, kTitle, "speed", "31", "B"), kErrorBusy);
    EXPECT_EQ(clock.now, WaitBudget::kBurstAllowanceMs);
    EXPECT_EQ(SaveSetting(*opened.store, kTitle, "chain", "30", "B"), kErrorBusy);
    EXPECT_EQ(WriteValue(*opened.store, "HKLM", "SOFTWARE\\X", "v", "X", ""), kErrorBusy);
    EXPECT_EQ(GetSetting(*opened.store, kTitle, "speed", "41", "B"), "41");
    EXPECT_EQ(clock.now, WaitBudget::kBurstAllowanceMs) << "a spent burst waits no more";
    clock.now += WaitBudget::kIdleGapMs;
    EXPECT_EQ(SaveSetting(*opened.store, kTitle, "randm", "False", "S"), kErrorBusy);
    EXPECT_EQ(clock.now, WaitBudget::kIdleGapMs + 2 * WaitBudget::kBurstAllowanceMs);
    if (released) sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    const std::int64_t end = clock.now;
    opened.store->FinishPendingWrites();
    EXPECT_EQ(clock.now - end, released ? 0 : 5000);
    sqlite3_close(other);
    EXPECT_EQ(Sql(file, "SELECT group_concat(name) FROM registry_values"),
              released ? "chain,randm,speed" : "");
    EXPECT_EQ(Sql(file, "SELECT count(*) FROM registry_keys WHERE path LIKE '%\\X'"),
              released ? "1" : "0");
    EXPECT_EQ(opened.reports.size(), released ? 0U : 1U);
  }
}

struct Environment {
  const char* quellarRegistry;
  const char* xdgConfigHome;
  const char* home;
  const char* where;  // the file, below the test directory; or what the report says
};

class DefaultFile : public testing::TestWithParam<Environment> {};

TEST_P(DefaultFile, FollowsTheEnvironment) {
  const ScopedTempDir directory;
  std::ofstream(directory.path / "plain") << "x";
  const auto set = [&directory](const char* name, const char* value) {
    if (value == nullptr) return unsetenv(name);
    return setenv(name, (value[0] == '/' ? directory.path.string() + value : value).c_str(), 1);
  };
  set("QUELLAR_REGISTRY", GetParam().quellarRegistry);
  set("XDG_CONFIG_HOME", GetParam().xdgConfigHome);
  set("HOME", GetParam().home);
  std::string report;
  const auto store = OpenDefaultStore({[&report](const std::string& line) { report += line; }});
  EXPECT_EQ(SaveSetting(*store, kTitle, "speed", "31", "B") == kErrorSuccess, report.empty());
  EXPECT_TRUE(report.empty() ? fs::is_regular_file(directory.path / GetParam().where)
                             : report.find(GetParam().where) != std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DefaultFile,
    testing::Values(Environment{"/chosen.db", "/xdg", "/home", "chosen.db"},
                    Environment{nullptr, "/xdg", "/home", "xdg/quellar/registry.sqlite3"},
                    Environment{nullptr, nullptr, "/home", "home/.config/quellar/registry.sqlite3"},
                    // The XDG rules ignore a relative configuration directory.
                    Environment{nullptr, "relative", "/home",
                                "home/.config/quellar/registry.sqlite3"},
                    Environment{nullptr, nullptr, nullptr, "neither QUELLAR_REGISTRY"},
                    Environment{nullptr, "/plain", nullptr, "its directory cannot be made"}));

}  // namespace
}  // namespace quellar::test
