#include "registry/sqlite/store_file.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "registry/sqlite/sql.h"

namespace quellar::registry {

void ConnectionCloser::operator()(sqlite3* connection) const {
  sqlite3_close(connection);
}

namespace {

namespace fs = std::filesystem;

constexpr const char* kNotOurs = "is not a settings store of this program";
constexpr const char* kReadOnly = "is read-only: changed settings are not saved";

struct SchemaEntry {
  std::string type, name, table, sql;
  bool operator==(const SchemaEntry&) const = default;
};
using Schema = std::vector<SchemaEntry>;

// A connection that failed to open is returned too: it carries the reason.
Connection Open(const std::string& file, int flags) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(file.c_str(), &db, flags | SQLITE_OPEN_URI, nullptr);
  return Connection(db);
}

// The system's word for a failed open or read ("Is a directory"), else SQLite's.
std::string Reason(sqlite3* db) {
  if (db == nullptr) return "out of memory";
  // Its journal would have to be rolled back: not by us.
  if (sqlite3_extended_errcode(db) == SQLITE_READONLY_ROLLBACK) {
    return "a write to it is unfinished";
  }
  const int error = sqlite3_system_errno(db);
  return error != 0 ? std::strerror(error) : sqlite3_errmsg(db);
}

std::optional<Schema> ReadSchema(sqlite3* db) {
  Statement select(db, "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name");
  Schema schema;
  int result = SQLITE_OK;
  while ((result = select.Step()) == SQLITE_ROW) {
    schema.push_back({select.Column(0), select.Column(1), select.Column(2), select.Column(3)});
  }
  if (result != SQLITE_DONE) return std::nullopt;
  return schema;
}

// What the store's statements make, as SQLite records it.
const Schema& StoreSchema() {
  static const Schema schema = [] {
    const Connection db = Open(":memory:", SQLITE_OPEN_READWRITE);
    sqlite3_exec(db.get(), kStoreSchema, nullptr, nullptr, nullptr);
    return ReadSchema(db.get()).value_or(Schema{});
  }();
  return schema;
}

// A one-row pragma's answer as text; nothing when it fails.
std::optional<std::string> Pragma(sqlite3* db, const char* sql) {
  Statement pragma(db, sql);
  if (pragma.Step() != SQLITE_ROW) return std::nullopt;
  return pragma.Column(0);
}

struct Contents {
  std::optional<Schema> schema;  // none when the file cannot be read
  bool marked = false;           // carries the program's application id
  std::string unreadable;        // why it cannot be read
};

Contents ReadContents(sqlite3* db) {
  Contents contents{ReadSchema(db), false, {}};
  const std::optional<std::string> check = Pragma(db, "PRAGMA quick_check");
  if (!contents.schema || !check) {
    contents.unreadable = "cannot be read: " + Reason(db);
  } else if (*check != "ok") {
    contents.unreadable = "cannot be read: " + *check;
  }
  contents.marked = Pragma(db, "PRAGMA application_id") == std::to_string(kStoreApplicationId);
  return contents;
}

bool IsOursOrEmpty(const Schema& schema) {
  return schema.empty() || schema == StoreSchema();
}

enum class Verdict { kEmpty, kMarked, kUnmarked, kForeign };

struct Judgement {
  Verdict verdict;
  std::string reason;  // for kForeign
};

// Judged from the file's first 100 bytes, read past SQLite so that nothing of the file (a hot
// journal, a write-ahead log) is acted on before it is known to be ours.
Judgement JudgeHeader(sqlite3* db) {
  sqlite3_file* file = nullptr;
  sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file);
  if (file == nullptr || file->pMethods == nullptr) return {Verdict::kEmpty, {}};  // in memory
  sqlite3_int64 size = 0;
  if (file->pMethods->xFileSize(file, &size) != SQLITE_OK) {
    return {Verdict::kForeign, "cannot be read: " + Reason(db)};
  }
  if (size == 0) return {Verdict::kEmpty, {}};
  std::array<unsigned char, 100> header{};
  constexpr char kMagic[] = "SQLite format 3";  // with its NUL: 16 bytes
  if (file->pMethods->xRead(file, header.data(), header.size(), 0) != SQLITE_OK ||
      std::memcmp(header.data(), kMagic, sizeof kMagic) != 0) {
    return {Verdict::kForeign, "is not an SQLite database"};
  }
  std::uint32_t id = 0;
  for (std::size_t i = 68; i < 72; ++i) id = (id << 8U) | header[i];
  if (id == static_cast<std::uint32_t>(kStoreApplicationId)) return {Verdict::kMarked, {}};
  // Earlier builds left the id 0 and never used a write-ahead log (byte 18 is 2 with one).
  if (id != 0 || header[18] == 2) return {Verdict::kForeign, kNotOurs};
  return {Verdict::kUnmarked, {}};
}

// An unmarked file is looked at through a read-only connection, which cannot write it.
Judgement JudgeUnmarked(const std::string& file, WaitBudget& budget) {
  const Connection db = Open(file, SQLITE_OPEN_READONLY);
  if (db == nullptr) return {Verdict::kForeign, "cannot be read: out of memory"};
  budget.Govern(db.get());
  const std::optional<Schema> schema = ReadSchema(db.get());
  if (!schema) return {Verdict::kForeign, "cannot be read: " + Reason(db.get())};
  if (*schema != StoreSchema()) return {Verdict::kForeign, kNotOurs};
  return {Verdict::kUnmarked, {}};
}

OpenedStore Unusable(std::string reason) {
  return {nullptr, false, std::move(reason)};
}

// A read-only connection to a store in write-ahead-log mode needs a shared-memory index beside
// the file; where it may not make one, the file is read as it stands.
Connection OpenImmutable(sqlite3* db) {
  std::string uri = "file:";
  for (const char c : std::string(sqlite3_db_filename(db, "main"))) {
    if (c == '?' || c == '#' || c == '%') {
      constexpr char kHex[] = "0123456789ABCDEF";
      const auto byte = static_cast<unsigned char>(c);
      uri += {'%', kHex[byte >> 4U], kHex[byte & 15U]};
    } else {
      uri += c;
    }
  }
  return Open(uri + "?immutable=1", SQLITE_OPEN_READONLY);
}

OpenedStore OpenReadOnly(Connection db) {
  Contents contents = ReadContents(db.get());
  if (contents.schema == std::nullopt) {
    if (Connection immutable = OpenImmutable(db.get())) {
      db = std::move(immutable);
      contents = ReadContents(db.get());
    }
  }
  if (!contents.unreadable.empty()) return Unusable(contents.unreadable);
  if (!IsOursOrEmpty(*contents.schema)) return Unusable(kNotOurs);
  const bool hasTables = !contents.schema->empty();
  return {std::move(db), hasTables, kReadOnly};
}

// Makes the tables in an empty file and marks an earlier build's store, under the write lock,
// where nobody can have put something else there since it was looked at.
std::string Adopt(sqlite3* db) {
  Transaction transaction(db);
  if (transaction.Begun() != SQLITE_OK) return "cannot be prepared: " + Reason(db);
  const std::optional<Schema> schema = ReadSchema(db);
  if (!schema) return "cannot be read: " + Reason(db);
  if (!IsOursOrEmpty(*schema)) return kNotOurs;
  const std::string mark = "PRAGMA application_id = " + std::to_string(kStoreApplicationId);
  if (sqlite3_exec(db, kStoreSchema, nullptr, nullptr, nullptr) != SQLITE_OK ||
      sqlite3_exec(db, mark.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK ||
      transaction.Commit() != SQLITE_OK) {
    return "cannot be prepared: " + Reason(db);
  }
  return {};
}

// SQLite gives a write-ahead log and its index the mode of the file when it makes them, so a
// read of the file while it was read-only left them read-only: once the file may be written
// again they must be too, or every write fails. Ours to change: they belong to the file.
void MakeCompanionsWritable(sqlite3* db) {
  const std::string file = sqlite3_db_filename(db, "main");
  std::error_code error;
  const fs::perms mode = fs::status(file, error).permissions();
  if (file.empty() || error) return;
  for (const char* suffix : {"-wal", "-shm"}) {
    const fs::path companion = file + suffix;
    const fs::perms own = fs::status(companion, error).permissions();
    if (!error && (own & fs::perms::owner_write) == fs::perms::none) {
      fs::permissions(companion, mode, error);
    }
  }
}

OpenedStore OpenWritable(Connection db) {
  MakeCompanionsWritable(db.get());
  const Contents contents = ReadContents(db.get());
  if (!contents.unreadable.empty()) return Unusable(contents.unreadable);
  if (!IsOursOrEmpty(*contents.schema)) return Unusable(kNotOurs);
  if (contents.schema->empty() || !contents.marked) {
    const std::string problem = Adopt(db.get());
    // An earlier build's store that could not be marked this time is still usable.
    if (!problem.empty() && contents.schema->empty()) return Unusable(problem);
  }
  // Readers then never wait for a writer. Where the file system has no shared memory the mode
  // stays as it was (a rollback journal), which works as well, only with more waiting.
  if (Pragma(db.get(), "PRAGMA journal_mode = WAL") == "wal") {
    // In this mode a commit is safe from a crash of the process without a sync to the disk.
    sqlite3_exec(db.get(), "PRAGMA synchronous = NORMAL", nullptr, nullptr, nullptr);
  }
  return {std::move(db), true, {}};
}

}  // namespace

OpenedStore OpenStoreFile(const std::string& file, WaitBudget& budget) {
  Connection db = Open(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  if (db == nullptr) return Unusable("cannot be opened: out of memory");
  if (sqlite3_errcode(db.get()) != SQLITE_OK) {
    return Unusable("cannot be opened: " + Reason(db.get()));
  }
  budget.Govern(db.get());
  Judgement judgement = JudgeHeader(db.get());
  if (judgement.verdict == Verdict::kUnmarked) judgement = JudgeUnmarked(file, budget);
  if (judgement.verdict == Verdict::kForeign) return Unusable(judgement.reason);
  if (sqlite3_db_readonly(db.get(), "main") == 1) return OpenReadOnly(std::move(db));
  return OpenWritable(std::move(db));
}

}  // namespace quellar::registry
