// Two drivers of the SQLite store in real processes, each against one store file:
//   crash WRITES       a child writes settings and is killed (SIGKILL) at random moments until
//                      WRITES writes were acknowledged; after every kill the file passes SQLite's
//                      integrity check and every acknowledged write reads back.
//   contention ROUNDS  each round three full-screen runs end together, a dialog closes and a
//                      preview starts, each in its own process; every write must succeed at once
//                      and every value hold one of the values written. Prints the slowest call.
// Exit status 0 when everything held.

#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "registry/mod_registry.h"
#include "registry/sqlite/sqlite_store.h"
#include "tests/registry/store_support.h"
#include "tests/settings/fake_settings_port.h"
#include "windows/frm_settings.h"
#include "windows/memory/memory_run.h"

namespace quellar::test {
namespace {

using modRegistry::GetSetting;
constexpr const char* kTitle = "QuellarScreensaver";

// A child process that runs `work` and sends what it answers through a pipe.
struct Child {
  pid_t pid;
  int output;
};

template <typename Work>
Child Spawn(Work work, int startSignal = -1) {
  int out[2];
  if (pipe(out) != 0) std::abort();
  const pid_t pid = fork();
  if (pid == 0) {
    close(out[0]);
    char go = 0;
    if (startSignal >= 0 && read(startSignal, &go, 1) < 0) _exit(2);
    work(out[1]);
    _exit(0);
  }
  close(out[1]);
  return {pid, out[0]};
}

std::string Collect(const Child& child) {
  std::string text;
  char buffer[256];
  for (ssize_t got; (got = read(child.output, buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(got));
  close(child.output);
  waitpid(child.pid, nullptr, 0);
  return text;
}

void Send(int output, const std::string& text) {
  if (write(output, text.data(), text.size()) != static_cast<ssize_t>(text.size())) _exit(3);
}

bool IntegrityHolds(const std::string& file) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  sqlite3_stmt* check = nullptr;
  sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
  const bool ok = sqlite3_step(check) == SQLITE_ROW &&
                  std::string(reinterpret_cast<const char*>(sqlite3_column_text(check, 0))) == "ok";
  sqlite3_finalize(check);
  sqlite3_close(db);
  return ok;
}

int Crash(const std::string& file, int writes) {
  std::mt19937 random(std::random_device{}());
  int acknowledged = 0;
  int kills = 0;
  while (acknowledged < writes) {
    // The child says each write it saw succeed before it starts the next.
    const Child child = Spawn([&](int output) {
      SqliteStore store(file);
      for (int i = acknowledged; i < acknowledged + writes; ++i) {
        if (modRegistry::SaveSetting(store, kTitle, "v" + std::to_string(i), std::to_string(i),
                                     "S") == 0) {
          Send(output, std::to_string(i) + "\n");
        }
      }
    });
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    kills += kill(child.pid, SIGKILL) == 0 ? 1 : 0;
    std::istringstream said(Collect(child));
    std::vector<int> written(std::istream_iterator<int>(said), {});
    if (!IntegrityHolds(file)) return std::cerr << "crash: the integrity check failed\n", 1;
    SqliteStore store(file);
    for (const int i : written) {
      if (GetSetting(store, kTitle, "v" + std::to_string(i), "lost", "S") != std::to_string(i)) {
        return std::cerr << "crash: acknowledged write " << i << " was lost\n", 1;
      }
    }
    if (!written.empty()) acknowledged = written.back() + 1;
  }
  std::cout << "crash: " << acknowledged << " acknowledged writes, " << kills
            << " kills; the integrity check held and every write read back\n";
  return 0;
}

// What a child saw: its failed writes, its slowest call, and the values it wrote.
std::string Outcome(const RecordingStore& recording,
                    const std::map<std::string, std::string>& wrote) {
  std::ostringstream out;
  out << recording.failedWrites << ' ' << recording.slowestMs;
  for (const auto& [name, value] : wrote) out << ' ' << name << ' ' << value;
  return out.str();
}

void FullScreenRun(const std::string& file, int presses, int output) {
  ChildStore child(file);
  memory::MemoryConfig config;
  config.screenWidth = 320;
  config.screenHeight = 240;
  memory::MemoryRun run(child.recording, config);
  // Faster, longer chains, random deleting toggled: each run stores its own values.
  for (std::int16_t i = 0; i < presses; ++i) {
    for (const std::int16_t key : {std::int16_t{107}, std::int16_t{106}, std::int16_t{13}}) {
      run.Schedule({100 + 10 * i, memory::ScriptedEvent::Kind::Key, key});
    }
  }
  run.Schedule({500, memory::ScriptedEvent::Kind::DoubleClick});
  run.Start();
  run.RunUntil(1000);
  child.store.FinishPendingWrites();
  const engine::EngineState& state = run.Engine().state;
  Send(output, Outcome(child.recording, {{"speed", std::to_string(state.tickInterval)},
                                         {"chain", std::to_string(state.chainLength)},
                                         {"randm", state.randomDeleting != 0 ? "True" : "False"}}));
}

void DialogClose(const std::string& file, int round, int output) {
  ChildStore child(file);
  FakeSettingsPort port;
  FrmSettings form(port, child.recording, {2, 0, 0});
  form.Form_Load();
  if (round % 2 == 0) form.CheckBoxClicked(CheckBox::ChMouse);
  if (round % 3 == 0) form.CheckBoxClicked(CheckBox::ChFail);
  form.Unload();
  child.store.FinishPendingWrites();
  Send(output,
       Outcome(recording, {{"MouseMove", std::to_string(port.states[CheckBox::ChMouse])},
                           {"SysFailScreen", std::to_string(port.states[CheckBox::ChFail])}}));
}

void PreviewStart(const std::string& file, int output) {
  ChildStore child(file);
  memory::MemoryConfig config;
  config.commandLine = "/p 1";
  config.hostWindows[1] = Rect{0, 0, 152, 112};
  memory::MemoryRun run(child.recording, config);
  run.Start();
  run.RunUntil(200);
  child.store.FinishPendingWrites();
  Send(output, Outcome(child.recording, {}));
}

int Contention(const std::string& file, int rounds) {
  double slowest = 0;
  for (int round = 0; round < rounds; ++round) {
    int start[2];
    if (pipe(start) != 0) return 1;
    std::vector<Child> children;
    for (int run = 1; run <= 3; ++run) {
      children.push_back(Spawn([&](int out) { FullScreenRun(file, run, out); }, start[0]));
    }
    children.push_back(Spawn([&](int out) { DialogClose(file, round, out); }, start[0]));
    children.push_back(Spawn([&](int out) { PreviewStart(file, out); }, start[0]));
    // All start at once: each child takes one byte.
    if (write(start[1], "GoGoGo", children.size()) < 0) return 1;
    close(start[0]);
    close(start[1]);
    std::map<std::string, std::set<std::string>> written;
    for (const Child& child : children) {
      std::istringstream said(Collect(child));
      int failed = -1;
      double slowestCall = 0;
      said >> failed >> slowestCall;
      if (failed != 0) return std::cerr << "contention: round " << round << ": a write failed\n", 1;
      slowest = std::max(slowest, slowestCall);
      for (std::string name, value; said >> name >> value;) written[name].insert(value);
    }
    SqliteStore store(file);
    for (const auto& [name, values] : written) {
      const std::string stored =
          GetSetting(store, kTitle, name, "none", name == "randm" ? "S" : "B");
      if (values.count(stored) == 0) {
        return std::cerr << "contention: round " << round << ": " << name << " holds " << stored
                         << "\n",
               1;
      }
    }
  }
  std::cout << "contention: " << rounds
            << " rounds of 5 processes; every write succeeded and every "
            << "value held one written; slowest store call " << slowest << " ms\n";
  return 0;
}

}  // namespace
}  // namespace quellar::test

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  const int count = argc == 3 ? std::atoi(argv[2]) : 0;
  if ((mode != "crash" && mode != "contention") || count <= 0) {
    std::cerr << "usage: quellar_store_drivers crash WRITES | contention ROUNDS\n";
    return 2;
  }
  const quellar::test::ScopedTempDir directory;
  const std::string file = directory.File("registry.sqlite3");
  return mode == "crash" ? quellar::test::Crash(file, count)
                         : quellar::test::Contention(file, count);
}
