// The store in real processes against one file. Short forms here; the long forms on demand:
//   QUELLAR_STORE_WRITES=1000 QUELLAR_STORE_ROUNDS=200
//     build/linux/tests/store/quellar_store_tests --gtest_filter='Processes.*'
// Both print their figures.

#include <gtest/gtest.h>
#include <signal.h>

#include <iterator>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "registry/mod_registry.h"
#include "tests/settings/fake_settings_port.h"
#include "tests/store/store_test_support.h"
#include "windows/frm_settings.h"
#include "windows/memory/memory_run.h"

namespace quellar::test {
namespace {

using modRegistry::GetSetting;
using Said = std::map<std::string, std::string>;

int FromEnvironment(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoi(value) : fallback;
}

// A child writes settings, telling each acknowledged write before it starts the next, and is
// killed at a random moment; then the file passes the integrity check and every acknowledged
// write reads back. Again with a new child until enough writes were acknowledged.
TEST(Processes, KilledWritersLeaveAnIntactStoreAndLoseNoAcknowledgedWrite) {
  const int writes = FromEnvironment("QUELLAR_STORE_WRITES", 100);
  const ScopedTempDir directory;
  const std::string file = directory.File("registry.sqlite3");
  std::mt19937 random(std::random_device{}());
  int acknowledged = 0;
  int kills = 0;
  while (acknowledged < writes) {
    const Child child = Spawn([&](int parent) {
      SqliteStore store(file);
      for (int i = acknowledged; i < acknowledged + writes; ++i) {
        const std::string n = std::to_string(i);
        if (modRegistry::SaveSetting(store, kTitle, "v" + n, n, "S") == 0) Tell(parent, n + " ");
      }
    });
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    kills += kill(child.pid, SIGKILL) == 0 ? 1 : 0;
    std::istringstream said(Wait(child));
    const std::vector<int> written{std::istream_iterator<int>(said), {}};
    ASSERT_EQ(Sql(file, "PRAGMA integrity_check"), "ok");
    SqliteStore store(file);
    for (const int i : written) {
      ASSERT_EQ(GetSetting(store, kTitle, "v" + std::to_string(i), "lost", "S"), std::to_string(i));
    }
    if (!written.empty()) acknowledged = written.back() + 1;
  }
  std::cout << acknowledged << " acknowledged writes, " << kills << " kills\n";
}

// One program of a round: its store opened as the program opens it (the opening counts as a
// call), what it does, its retries, and then what it tells: its failed writes, its slowest call
// and the values it wrote.
template <typename Program>
void RunProgram(const std::string& file, int parent, Program program) {
  const auto start = std::chrono::steady_clock::now();
  SqliteStore store(file);
  RecordingStore recording(store);
  recording.slowestMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const Said wrote = program(recording);
  store.FinishPendingWrites();
  std::ostringstream out;
  out << recording.failedWrites << ' ' << recording.slowestMs;
  for (const auto& [name, value] : wrote) out << ' ' << name << ' ' << value;
  Tell(parent, out.str());
}

// A full-screen run that presses each of faster, longer chains and random deleting `presses`
// times and ends with a double click; with no presses a preview's start.
Said Screen(RegistryApi& store, std::int16_t presses) {
  memory::MemoryConfig config;
  config.screenWidth = 320;
  config.screenHeight = 240;
  config.commandLine = presses > 0 ? "/s" : "/p 1";
  config.hostWindows[1] = Rect{0, 0, 152, 112};
  memory::MemoryRun run(store, config);
  for (std::int16_t i = 0; i < presses; ++i) {
    for (const std::int16_t key : {std::int16_t{107}, std::int16_t{106}, std::int16_t{13}}) {
      run.Schedule({100 + 10 * i, memory::ScriptedEvent::Kind::Key, key});
    }
  }
  run.Schedule({500, memory::ScriptedEvent::Kind::DoubleClick});
  run.Start();
  run.RunUntil(1000);
  const engine::EngineState& state = run.Engine().state;
  if (presses == 0) return {};
  return {{"speed", std::to_string(state.tickInterval)},
          {"chain", std::to_string(state.chainLength)},
          {"randm", state.randomDeleting != 0 ? "True" : "False"}};
}

Said DialogClose(RegistryApi& store, int round) {
  FakeSettingsPort port;
  FrmSettings form(port, store, {2, 0, 0});
  form.Form_Load();
  if (round % 2 == 0) form.CheckBoxClicked(CheckBox::ChMouse);
  if (round % 3 == 0) form.CheckBoxClicked(CheckBox::ChFail);
  form.Unload();
  return {{"MouseMove", std::to_string(port.states[CheckBox::ChMouse])},
          {"SysFailScreen", std::to_string(port.states[CheckBox::ChFail])}};
}

// Each round three full-screen runs end together while a dialog closes and a preview starts:
// every write succeeds at once and every value holds one of the values written.
TEST(Processes, ProgramsUsingTheStoreAtOnceAllWrite) {
  const int rounds = FromEnvironment("QUELLAR_STORE_ROUNDS", 5);
  const ScopedTempDir directory;
  const std::string file = directory.File("registry.sqlite3");
  double slowest = 0;
  for (int round = 0; round < rounds; ++round) {
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<Child> children;
    for (std::int16_t presses = 0; presses <= 3; ++presses) {
      children.push_back(Spawn(
          [&](int parent) {
            RunProgram(file, parent, [&](RegistryApi& s) { return Screen(s, presses); });
          },
          start[0]));
    }
    children.push_back(Spawn(
        [&](int parent) {
          RunProgram(file, parent, [&](RegistryApi& s) { return DialogClose(s, round); });
        },
        start[0]));
    // All start at once: each takes one byte.
    ASSERT_EQ(write(start[1], "GoGoGo", children.size()), 5);
    close(start[0]);
    close(start[1]);
    std::map<std::string, std::set<std::string>> written;
    for (const Child& child : children) {
      std::istringstream said(Wait(child));
      int failed = -1;
      double slowestCall = 0;
      said >> failed >> slowestCall;
      EXPECT_EQ(failed, 0) << "round " << round;
      slowest = std::max(slowest, slowestCall);
      for (std::string name, value; said >> name >> value;) written[name].insert(value);
    }
    SqliteStore store(file);
    for (const auto& [name, values] : written) {
      const std::string held = GetSetting(store, kTitle, name, "-", name == "randm" ? "S" : "B");
      EXPECT_EQ(values.count(held), 1U) << name << " holds " << held << " in round " << round;
    }
  }
  std::cout << rounds << " rounds of 5 processes; the slowest store call took " << slowest
            << " ms\n";
}

}  // namespace
}  // namespace quellar::test
