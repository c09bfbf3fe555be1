#pragma once
// What the SQLite store's tests share: SQL on a file past the store, a store that keeps its
// report lines, and child processes that tell the parent what they saw.

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "registry/sqlite/sqlite_store.h"
#include "tests/registry/store_support.h"

namespace quellar::test {

inline constexpr const char* kTitle = "QuellarScreensaver";

// The first column of every row `sql` yields, joined.
inline std::string Sql(const std::string& file, const std::string& sql) {
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
// pipe to tell the parent what it saw, and ends.
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

inline void Tell(int parent, const std::string& text) {
  if (write(parent, text.data(), text.size()) < 0) _exit(1);
}

// Everything the child told, once it has ended.
inline std::string Wait(const Child& child) {
  std::string text;
  char buffer[256];
  for (ssize_t got; (got = read(child.said, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  close(child.said);
  waitpid(child.pid, nullptr, 0);
  return text;
}

}  // namespace quellar::test
