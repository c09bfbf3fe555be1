// The SQLite store: files it must not use or write, files it adopts, files it may not write,
// another process's lock, where its file lives, and the store in real processes: killed
// writers, and programs using one file at once (short here; scripts/store-stress runs them long).

#include "registry/sqlite/sqlite_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "platforms/forms/frm_settings.h"
#include "platforms/memory/memory_run.h"
#include "registry/mod_registry.h"
#include "registry/sqlite/default_store.h"
#include "registry/sqlite/store_file.h"
#include "tests/settings/fake_settings_port.h"
#include "tests/store/store_support.h"

namespace quellar::test {
namespace {

using namespace modRegistry;
constexpr const char* kTitle = "QuellarScreensaver";

// The first column of every row `sql` yields, joined.
std::string Sql(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  std::string out;
  const auto append = [](void* text, int, char** values, char**) {
    return static_cast<std::string*>(text)->append(values[0] ? values[0] : ""), 0;
  };
  sqlite3_exec(db, sql.c_str(), append, &out, nullptr);
  sqlite3_close(db);
  return out;
}

struct Opened {
  std::vector<std::string> reports;  // before the store, which may report as it opens
  std::unique_ptr<SqliteStore> store;
  explicit Opened(const std::string& file, StoreClock* clock = nullptr)
      : store(std::make_unique<SqliteStore>(
            file, SqliteStoreOptions{[this](const std::string& line) { reports.push_back(line); },
                                     clock})) {}
};

// A child process that waits for a byte on `start` (when given), runs `work` with the end of a
// pipe to tell the parent what it saw, and ends; Wait answers all it told once it has ended.
struct Child {
  pid_t pid;
  int said;
};

template <typename Work>
Child Spawn(Work work, int start = -1) {
  int ends[2];
  if (pipe(ends) != 0) std::abort();
  const pid_t pid = fork();
  char go = 0;
  if (pid == 0 && (start < 0 || read(start, &go, 1) == 1)) work(ends[1]);
  if (pid == 0) _exit(0);
  close(ends[1]);
  return {pid, ends[0]};
}

// Where file modes bind: the tests may run as the superuser.
bool AsNobody() {
  return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
}

void Tell(int parent, const std::string& text) {
  if (write(parent, text.data(), text.size()) < 0) _exit(1);
}

std::string Wait(const Child& child) {
  std::string text;
  char buffer[256];
  for (ssize_t got; (got = read(child.said, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  close(child.said);
  waitpid(child.pid, nullptr, 0);
  return text;
}

using Make = std::function<void(const std::string&)>;

std::map<fs::path, std::string> Snapshot(const fs::path& directory) {
  std::map<fs::path, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(directory)) {
    std::ifstream in(entry.path());
    if (entry.is_regular_file()) files[entry.path()].assign(std::istreambuf_iterator<char>(in), {});
  }
  return files;
}

void MakeStore(const std::string& file) {
  SaveSetting(*Opened(file).store, kTitle, "speed", "31", "B");
}

Make MakeText(const char* text) {
  return [text](const std::string& file) { std::ofstream(file) << text; };
}

Make MakeWith(const std::string& sql) {
  return [sql](const std::string& file) { Sql(file, sql); };
}

// The two tables as earlier builds made them, without the mark, holding `speed` 31.
const Make kEarlierBuild = MakeWith(
    std::string(kStoreSchema) + "INSERT INTO registry_keys VALUES('HKEY_LOCAL_MACHINE\\SOFTWARE" +
    "\\Tovenlab\\" + kTitle + "'); INSERT INTO registry_values SELECT path, 'speed', 3, x'1F' " +
    "FROM registry_keys");

// A store that was read-only during a run, and may be written again: the run made its log and
// index as the file was then, read-only.
void MakeReadOnlyOnce(const std::string& file) {
  MakeStore(file);
  fs::permissions(file, fs::perms(0444));
  fs::permissions(fs::path(file).parent_path(), fs::perms(0777));
  Wait(Spawn([&](int) {
    if (AsNobody()) GetSetting(*Opened(file).store, kTitle, "speed", "41", "B");
  }));
}

// Another program's file as its writer left it when it died half-way through a write: a copy
// taken then, with its journal.
void MakeUnfinished(const std::string& file) {
  const std::string writer = file + "-writer";
  Sql(writer, "CREATE TABLE t(x)");
  sqlite3* db = nullptr;
  sqlite3_open(writer.c_str(), &db);
  sqlite3_exec(db,
               "PRAGMA cache_size = 2; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
               "SELECT i + 1 FROM n WHERE i < 100) INSERT INTO t SELECT zeroblob(3000) FROM n",
               nullptr, nullptr, nullptr);
  fs::copy_file(writer, file);
  fs::copy_file(writer + "-journal", file + "-journal");
  sqlite3_close(db);
  fs::remove(writer);
}

struct FileCase {
  const char* name;
  Make make;          // the file before the program opens it
  const char* query;  // of the URI the program is given
  bool readOnly;      // the file and its directory may not be written
  const char* seen;   // the speed read, a write's answer, the start of the one report
  const char* mode;   // the journal mode of a file that is written; "" for an untouched file
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
  const std::string seen = Wait(Spawn([&](int parent) {
    if (!AsNobody()) return;
    Opened opened("file:" + file + c.query);
    std::string said = GetSetting(*opened.store, kTitle, "speed", "41", "B") + " " +
                       std::to_string(SaveSetting(*opened.store, kTitle, "chain", "30", "B"));
    SaveSetting(*opened.store, kTitle, "randm", "False", "S");
    for (const std::string& line : opened.reports) said += line.substr(line.find("\" ") + 1) + "|";
    Tell(parent, said);
  }));
  if (fs::exists(settings)) fs::permissions(settings, fs::perms(0777));
  EXPECT_TRUE(seen.starts_with(c.seen)) << seen;
  EXPECT_EQ(std::count(seen.begin(), seen.end(), '|'), c.mode[0] == '\0' ? 1 : 0) << seen;
  if (c.mode[0] == '\0') {
    EXPECT_EQ(Snapshot(directory.path), before);
  } else {
    EXPECT_EQ(Sql(file, "PRAGMA journal_mode; PRAGMA application_id"),
              c.mode + std::to_string(kStoreApplicationId));
    EXPECT_EQ(GetSetting(*Opened(file).store, kTitle, "chain", "28", "B"), "30");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Files,
    testing::Values(
        FileCase{"Missing", MakeWith(""), "", false, "41 0", "wal"},
        FileCase{"Empty", MakeText(""), "", false, "41 0", "wal"},
        FileCase{"EarlierBuild", kEarlierBuild, "", false, "31 0", "wal"},
        FileCase{"ReadOnlyOnce", MakeReadOnlyOnce, "", false, "31 0", "wal"},
        // A file system without shared memory: a rollback journal instead of the log.
        FileCase{"NoSharedMemory", [](auto&) {}, "?vfs=unix-dotfile", false, "41 0", "delete"},
        FileCase{"ReadOnly", MakeStore, "", true, "31 5 is read-only: changed settings are not",
                 ""},
        FileCase{"ReadOnlyEmpty", MakeText(""), "", true, "41 5 is read-only", ""},
        FileCase{"Directory", [](auto& f) { fs::create_directory(f); }, "", false,
                 "41 1016 cannot be opened: Is a directory; the default settings are used", ""},
        FileCase{"MissingDirectory", [](auto& f) { fs::remove(fs::path(f).parent_path()); }, "",
                 false, "41 1016 cannot be opened: No such file", ""},
        FileCase{"Text", MakeText("notes"), "", false, "41 1016 is not an SQLite database", ""},
        FileCase{"Truncated", [](auto& f) { MakeStore(f), fs::resize_file(f, 5000); }, "", false,
                 "41 1016 cannot be read", ""},
        FileCase{"OtherTables", MakeWith("CREATE TABLE t(x)"), "", false, "41 1016 is not a", ""},
        FileCase{"KeylessValues",
                 MakeWith("CREATE TABLE registry_values(key_path, name, type, data)"), "", false,
                 "41 1016 is not a settings store of this program", ""},
        FileCase{"OtherProgramsUnfinishedWrite", MakeUnfinished, "", false,
                 "41 1016 cannot be read: a write to it is unfinished", ""},
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
    EXPECT_EQ(Sql(file,
                  "SELECT group_concat(name) FROM registry_values; SELECT count(*) FROM "
                  "registry_keys WHERE path LIKE '%\\X'"),
              released ? "chain,randm,speed1" : "0");
    EXPECT_EQ(opened.reports.size(), released ? 0U : 1U);
  }
}

// Another process holds the lock of a store in rollback mode (no shared memory) all through a
// run and a dialog: their reads miss it, told once, and the defaults stand in. What was not read
// is written back only where a hotkey (keypad +) or a click (ChMouse) set it; ChFail, set by
// ChMouse's rule, and the run's chain and random deleting keep their stored values.
TEST(Lock, ValuesNotReadAreWrittenBackOnlyWhereTheUserSetThem) {
  const ScopedTempDir directory;
  const std::string file = "file:" + directory.File("registry.sqlite3") + "?vfs=unix-dotfile";
  VirtualClock clock;
  Opened opened(file, &clock);
  for (const auto& [name, text] : {std::pair{"speed", "51"},
                                   {"chain", "30"},
                                   {"randm", "False"},
                                   {"MouseMove", "0"},
                                   {"SysFailScreen", "0"}}) {
    SaveSetting(*opened.store, kTitle, name, text, name == std::string("randm") ? "S" : "B");
  }
  sqlite3* other = nullptr;
  sqlite3_open_v2(file.c_str(), &other, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  memory::MemoryRun run(*opened.store, {.screenWidth = 320, .screenHeight = 240});
  run.Schedule({.at = 100, .kind = memory::ScriptedEvent::Kind::Key, .code = 107});
  run.Schedule({.at = 500, .kind = memory::ScriptedEvent::Kind::DoubleClick});
  run.Start();
  run.RunUntil(1000);
  FakeSettingsPort port;
  FrmSettings form(port, *opened.store, {2, 0, 0});
  form.Form_Load();
  form.CheckBoxClicked(CheckBox::ChMouse);
  form.Unload();
  sqlite3_close(other);
  opened.store->FinishPendingWrites();
  std::string stored;
  for (const char* name : {"speed", "chain", "MouseMove", "SysFailScreen"}) {
    stored += GetSetting(*opened.store, kTitle, name, "-", "B") + " ";
  }
  EXPECT_EQ(stored + GetSetting(*opened.store, kTitle, "randm", "-", "S"), "31 30 1 0 False");
  ASSERT_EQ(opened.reports.size(), 1U);
  EXPECT_THAT(opened.reports[0], testing::HasSubstr("was locked by another process: settings "
                                                    "could not be read"));
}

// A file system that fills up when told to: every write to a file of the "full" VFS then
// answers SQLITE_FULL.
struct FullDisk {
  static inline bool full = false;
  static inline const sqlite3_io_methods* real = nullptr;
  static inline sqlite3_io_methods methods{};
  static int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    return full ? SQLITE_FULL : real->xWrite(file, data, amount, offset);
  }
  static int Open(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags,
                  int* outFlags) {
    auto* system = static_cast<sqlite3_vfs*>(vfs->pAppData);
    const int result = system->xOpen(system, name, file, flags, outFlags);
    if (result == SQLITE_OK && file->pMethods != nullptr) {
      real = file->pMethods;
      methods = *real;
      methods.xWrite = &Write;
      file->pMethods = &methods;
    }
    return result;
  }
  FullDisk() {
    static sqlite3_vfs vfs = [] {
      sqlite3_vfs made = *sqlite3_vfs_find(nullptr);
      made.zName = "full";
      made.pAppData = sqlite3_vfs_find(nullptr);
      made.xOpen = &Open;
      return made;
    }();
    sqlite3_vfs_register(&vfs, 0);
  }
};

TEST(Store, AWriteThatFailsIsToldOnceAndChangesNothingElse) {
  const FullDisk disk;
  const ScopedTempDir directory;
  Opened opened("file:" + directory.File("registry.sqlite3") + "?vfs=full");
  ASSERT_EQ(SaveSetting(*opened.store, kTitle, "speed", "31", "B"), kErrorSuccess);
  FullDisk::full = true;
  EXPECT_EQ(SaveSetting(*opened.store, kTitle, "chain", "30", "B"), kErrorRegistryIoFailed);
  EXPECT_EQ(SaveSetting(*opened.store, kTitle, "randm", "False", "S"), kErrorRegistryIoFailed);
  FullDisk::full = false;
  EXPECT_EQ(GetSetting(*opened.store, kTitle, "speed", "41", "B") +
                GetSetting(*opened.store, kTitle, "chain", "28", "B"),
            "3128");
  EXPECT_THAT(
      opened.reports,
      testing::ElementsAre(testing::HasSubstr("could not be written (database or disk is full)")));
}

struct Environment {
  const char* name;
  const char* quellarRegistry;
  const char* xdgConfigHome;
  const char* home;
  const char* where;  // the file, below the test directory; or what the report says
};

class DefaultFile : public testing::TestWithParam<Environment> {};

TEST_P(DefaultFile, FollowsTheEnvironment) {
  const ScopedTempDir directory;
  std::ofstream(directory.path / "plain") << "x";
  const Environment& e = GetParam();
  for (const auto& [name, value] : {std::pair{"QUELLAR_REGISTRY", e.quellarRegistry},
                                    {"XDG_CONFIG_HOME", e.xdgConfigHome},
                                    {"HOME", e.home}}) {
    if (value == nullptr) unsetenv(name);
    if (value != nullptr)
      setenv(name, (value[0] == '/' ? directory.File(value + 1) : value).c_str(), 1);
  }
  std::string report;
  const auto store = OpenDefaultStore({[&report](const std::string& line) { report += line; }});
  EXPECT_EQ(SaveSetting(*store, kTitle, "speed", "31", "B") == kErrorSuccess, report.empty());
  EXPECT_TRUE(report.empty() ? fs::is_regular_file(directory.path / e.where)
                             : report.find(e.where) != std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DefaultFile,
    testing::Values(
        Environment{"Chosen", "/chosen.db", "/xdg", "/home", "chosen.db"},
        Environment{"Xdg", nullptr, "/xdg", "/home", "xdg/quellar/registry.sqlite3"},
        Environment{"Home", nullptr, nullptr, "/home", "home/.config/quellar/registry.sqlite3"},
        // The XDG rules ignore a relative configuration directory.
        Environment{"RelativeXdg", nullptr, "xdg", "/home",
                    "home/.config/quellar/registry.sqlite3"},
        Environment{"Nowhere", nullptr, nullptr, nullptr, "neither QUELLAR_REGISTRY"},
        Environment{"XdgIsAFile", nullptr, "/plain", nullptr, "its directory cannot be made"}),
    [](const auto& param) { return std::string(param.param.name); });

using Said = std::map<std::string, std::string>;

int FromEnvironment(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoi(value) : fallback;
}

// A child writes settings, telling each acknowledged write before it starts the next, and is
// killed at a random moment of its writing; then the file passes the integrity check and every
// acknowledged write reads back. Again with a new child until enough writes were acknowledged.
TEST(Processes, KilledWritersLeaveAnIntactStoreAndLoseNoAcknowledgedWrite) {
  const int writes = FromEnvironment("QUELLAR_STORE_WRITES", 100);
  const ScopedTempDir directory;
  const std::string file = directory.File("registry.sqlite3");
  std::mt19937 random(std::random_device{}());
  int acknowledged = 0;
  int kills = 0;
  for (int children = 0; acknowledged < writes; ++children) {
    ASSERT_LT(children, 20 * writes) << "writes do not get through";
    const Child child = Spawn([&](int parent) {
      SqliteStore store(file);
      Tell(parent, "-");  // open: the random moment is counted from here
      for (int i = acknowledged; i < acknowledged + writes; ++i) {
        const std::string n = std::to_string(i);
        if (modRegistry::SaveSetting(store, kTitle, "v" + n, n, "S") == 0) Tell(parent, n + " ");
      }
    });
    // A random moment of its writing, however fast it writes: after a random number of
    // acknowledged writes, and a little more, so that the kill lands anywhere in a write.
    std::string early;
    char open = 0;
    if (read(child.said, &open, 1) == 1) {
      const auto before = static_cast<std::ptrdiff_t>(random() % 8);
      for (char c;
           std::count(early.begin(), early.end(), ' ') < before && read(child.said, &c, 1) == 1;)
        early += c;
      std::this_thread::sleep_for(std::chrono::microseconds(random() % 200));
    }
    kill(child.pid, SIGKILL);
    std::istringstream said(early + Wait(child));
    const std::vector<int> written{std::istream_iterator<int>(said), {}};
    kills += static_cast<int>(written.size()) < writes ? 1 : 0;  // else it had ended
    ASSERT_EQ(Sql(file, "PRAGMA integrity_check"), "ok");
    SqliteStore store(file);
    for (const int i : written) {
      ASSERT_EQ(GetSetting(store, kTitle, "v" + std::to_string(i), "lost", "S"), std::to_string(i));
    }
    if (!written.empty()) acknowledged = written.back() + 1;
  }
  std::cout << acknowledged << " acknowledged writes, " << kills << " kills\n";
}

// Child `which` of a round: a preview that starts (0), a full-screen run that presses faster,
// longer chains and random deleting `which` times and ends with a double click (1 to 3), or the
// settings dialog that loads and closes (4). What it wrote.
Said Program(RegistryApi& store, std::int16_t which, int round) {
  if (which == 4) {
    FakeSettingsPort port;
    FrmSettings form(port, store, {2, 0, 0});
    form.Form_Load();
    if (round % 2 == 0) form.CheckBoxClicked(CheckBox::ChMouse);
    if (round % 3 == 0) form.CheckBoxClicked(CheckBox::ChFail);
    form.Unload();
    return {{"MouseMove", std::to_string(port.states[CheckBox::ChMouse])},
            {"SysFailScreen", std::to_string(port.states[CheckBox::ChFail])}};
  }
  memory::MemoryConfig config;
  config.screenWidth = 320;
  config.screenHeight = 240;
  config.commandLine = which > 0 ? "/s" : "/p 1";
  config.hostWindows[1] = Rect{0, 0, 152, 112};
  memory::MemoryRun run(store, config);
  for (std::int16_t i = 0; i < which; ++i) {
    for (const std::int16_t key : {std::int16_t{107}, std::int16_t{106}, std::int16_t{13}}) {
      run.Schedule({100 + 10 * i, memory::ScriptedEvent::Kind::Key, key});
    }
  }
  run.Schedule({500, memory::ScriptedEvent::Kind::DoubleClick});
  run.Start();
  run.RunUntil(1000);
  const engine::EngineState& state = run.Engine().state;
  if (which == 0) return {};
  return {{"speed", std::to_string(state.tickInterval)},
          {"chain", std::to_string(state.chainLength)},
          {"randm", state.randomDeleting != 0 ? "True" : "False"}};
}

// Each round three full-screen runs end together while a dialog closes and a preview starts,
// each opening the store as the program does (the opening counts as a call) and retrying what
// missed the lock at its end: no write is dropped and every value holds one of the values
// written.
TEST(Processes, ProgramsUsingTheStoreAtOnceAllWrite) {
  const int rounds = FromEnvironment("QUELLAR_STORE_ROUNDS", 5);
  const ScopedTempDir directory;
  const std::string file = directory.File("registry.sqlite3");
  double slowest = 0;
  int retried = 0;
  for (int round = 0; round < rounds; ++round) {
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<Child> children;
    for (std::int16_t which = 0; which <= 4; ++which) {
      children.push_back(Spawn(
          [&](int parent) {
            const auto opening = std::chrono::steady_clock::now();
            SqliteStore store(file);
            RecordingStore recording(store);
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - opening;
            recording.slowestMs = took.count();
            const Said wrote = Program(recording, which, round);
            store.FinishPendingWrites();
            std::ostringstream out;
            out << store.Reported() << ' ' << recording.failedWrites << ' ' << recording.slowestMs;
            for (const auto& [name, value] : wrote) out << ' ' << name << ' ' << value;
            Tell(parent, out.str());
          },
          start[0]));
    }
    // All start at once: each takes one byte.
    ASSERT_EQ(write(start[1], "GoGoGo", children.size()), 5);
    close(start[0]);
    close(start[1]);
    std::map<std::string, std::set<std::string>> written;
    for (const Child& child : children) {
      std::istringstream said(Wait(child));
      bool dropped = true;
      int missed = 0;
      double slowestCall = 0;
      said >> dropped >> missed >> slowestCall;
      EXPECT_FALSE(dropped) << "round " << round;
      retried += missed;
      slowest = std::max(slowest, slowestCall);
      for (std::string name, value; said >> name >> value;) written[name].insert(value);
    }
    SqliteStore store(file);
    for (const auto& [name, values] : written) {
      const std::string held = GetSetting(store, kTitle, name, "-", name == "randm" ? "S" : "B");
      EXPECT_EQ(values.count(held), 1U) << name << " holds " << held << " in round " << round;
    }
  }
  std::cout << rounds << " rounds of 5 processes; " << retried
            << " writes missed the lock and were retried at the end; the slowest store call took "
            << slowest << " ms\n";
}

}  // namespace
}  // namespace quellar::test
