#include "registry/sqlite/sqlite_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "registry/root_keys.h"
#include "registry/sqlite/key_path.h"

namespace quellar::registry {
namespace {

// Long enough for another process's write (a handful of rows) to finish.
constexpr int kBusyTimeoutMs = 5000;
// The registry's answer when its storage fails (ERROR_REGISTRY_IO_FAILED).
constexpr std::int32_t kErrorRegistryIoFailed = 1016;
constexpr std::int32_t kErrorInvalidParameter = 87;
constexpr std::uint32_t kAllAccess = 0xF003F;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS registry_keys("
    "  path TEXT NOT NULL COLLATE NOCASE PRIMARY KEY) WITHOUT ROWID;"
    "CREATE TABLE IF NOT EXISTS registry_values("
    "  key_path TEXT NOT NULL COLLATE NOCASE,"
    "  name TEXT NOT NULL COLLATE NOCASE,"
    "  type INTEGER NOT NULL,"
    "  data BLOB NOT NULL,"
    "  PRIMARY KEY (key_path, name)) WITHOUT ROWID;";

// A file the store may not write answers as a registry key the user may not write.
std::int32_t StatusOf(int result) {
  switch (result & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
      return kErrorSuccess;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN:
      return kErrorAccessDenied;
    default:
      return kErrorRegistryIoFailed;
  }
}

// One prepared statement; a failed preparation is reported by Step(). Bound texts and blobs
// are the caller's and outlive the statement, so SQLite need not copy them.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql)
      : result_(sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr)) {}
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(stmt_); }

  Statement& Text(int index, const std::string& text) {
    return Check(sqlite3_bind_text64(stmt_, index, text.data(), text.size(), nullptr, SQLITE_UTF8));
  }
  Statement& Integer(int index, std::int64_t number) {
    return Check(sqlite3_bind_int64(stmt_, index, number));
  }
  // A zero-length blob must be bound as one: a null pointer would bind NULL.
  Statement& Blob(int index, const std::uint8_t* data, std::uint32_t size) {
    return Check(size == 0 ? sqlite3_bind_zeroblob(stmt_, index, 0)
                           : sqlite3_bind_blob64(stmt_, index, data, size, nullptr));
  }

  int Step() { return result_ == SQLITE_OK ? sqlite3_step(stmt_) : result_; }
  sqlite3_stmt* Get() const { return stmt_; }

 private:
  Statement& Check(int result) {
    if (result_ == SQLITE_OK) result_ = result;
    return *this;
  }

  sqlite3_stmt* stmt_ = nullptr;
  int result_;
};

// Rolls back unless committed, so a failed write leaves the file as it was.
class Transaction {
 public:
  explicit Transaction(sqlite3* db)
      : db_(db), begun_(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr)) {}
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  ~Transaction() {
    if (begun_ == SQLITE_OK && !committed_)
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  }

  int Begun() const { return begun_; }
  int Commit() {
    const int result = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    committed_ = result == SQLITE_OK;
    return result;
  }

 private:
  sqlite3* db_;
  int begun_;
  bool committed_ = false;
};

std::runtime_error StoreError(const std::string& file, sqlite3* db) {
  return std::runtime_error("cannot open the settings store \"" + file +
                            "\": " + sqlite3_errmsg(db));
}

bool IsRootKey(HKey key) {
  return std::any_of(kRootKeys.begin(), kRootKeys.end(),
                     [key](const RootKey& root) { return root.key == key; });
}

}  // namespace

void SqliteStore::ConnectionCloser::operator()(sqlite3* connection) const {
  sqlite3_close(connection);
}

SqliteStore::SqliteStore(const std::string& file) {
  sqlite3* connection = nullptr;
  const int opened =
      sqlite3_open_v2(file.c_str(), &connection,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI, nullptr);
  db_.reset(connection);
  if (opened != SQLITE_OK) throw StoreError(file, db_.get());
  sqlite3_busy_timeout(db_.get(), kBusyTimeoutMs);
  if (sqlite3_exec(db_.get(), kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
    throw StoreError(file, db_.get());
  }
  for (const RootKey& root : kRootKeys) {
    openKeys_.emplace(root.key, OpenedKey{std::string(root.fullName), kAllAccess});
  }
}

SqliteStore::~SqliteStore() = default;

const SqliteStore::OpenedKey* SqliteStore::Resolve(HKey key) const {
  const auto opened = openKeys_.find(key);
  return opened == openKeys_.end() ? nullptr : &opened->second;
}

HKey SqliteStore::AddHandle(std::string path, std::uint32_t access) {
  const HKey handle = nextHandle_++;
  openKeys_.emplace(handle, OpenedKey{std::move(path), access});
  return handle;
}

std::int32_t SqliteStore::KeyExists(const std::string& path, bool& exists) {
  // A root is no row of the table and always exists.
  if (path.find('\\') == std::string::npos) {
    exists = true;
    return kErrorSuccess;
  }
  Statement select(db_.get(), "SELECT 1 FROM registry_keys WHERE path = ?1");
  const int result = select.Text(1, path).Step();
  exists = result == SQLITE_ROW;
  return StatusOf(result);
}

std::int32_t SqliteStore::PathBelow(HKey root, const std::string& subKey, std::string& path) const {
  const OpenedKey* parent = Resolve(root);
  if (parent == nullptr) return kErrorInvalidHandle;
  std::optional<std::string> child = ChildPath(parent->path, subKey);
  if (!child) return kErrorBadPathname;
  path = std::move(*child);
  return kErrorSuccess;
}

const SqliteStore::OpenedKey* SqliteStore::OpenedWith(HKey key, std::uint32_t right,
                                                      std::int32_t& status) const {
  const OpenedKey* opened = Resolve(key);
  status = opened == nullptr               ? kErrorInvalidHandle
           : (opened->access & right) == 0 ? kErrorAccessDenied
                                           : kErrorSuccess;
  return status == kErrorSuccess ? opened : nullptr;
}

std::int32_t SqliteStore::CreateKey(HKey root, const std::string& subKey, std::uint32_t /*options*/,
                                    std::uint32_t access, HKey& result) {
  std::string path;
  const std::int32_t named = PathBelow(root, subKey, path);
  if (named != kErrorSuccess) return named;

  Transaction transaction(db_.get());
  if (transaction.Begun() != SQLITE_OK) return StatusOf(transaction.Begun());
  for (const std::string& key : KeysAlong(path)) {
    Statement insert(db_.get(), "INSERT OR IGNORE INTO registry_keys(path) VALUES (?1)");
    const int inserted = insert.Text(1, key).Step();
    if (inserted != SQLITE_DONE) return StatusOf(inserted);
  }
  const int committed = transaction.Commit();
  if (committed != SQLITE_OK) return StatusOf(committed);
  result = AddHandle(std::move(path), access);
  return kErrorSuccess;
}

std::int32_t SqliteStore::OpenKey(HKey root, const std::string& subKey, std::uint32_t /*options*/,
                                  std::uint32_t access, HKey& result) {
  std::string path;
  const std::int32_t named = PathBelow(root, subKey, path);
  if (named != kErrorSuccess) return named;

  bool exists = false;
  const std::int32_t looked = KeyExists(path, exists);
  if (looked != kErrorSuccess) return looked;
  if (!exists) return kErrorFileNotFound;
  result = AddHandle(std::move(path), access);
  return kErrorSuccess;
}

std::int32_t SqliteStore::SetValue(HKey key, const std::string& name, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t size) {
  std::int32_t status = kErrorSuccess;
  const OpenedKey* opened = OpenedWith(key, kKeySetValue, status);
  if (opened == nullptr) return status;
  if (data == nullptr && size != 0) return kErrorInvalidParameter;

  // An update keeps the name as first written, as the registry does.
  Statement upsert(db_.get(),
                   "INSERT INTO registry_values(key_path, name, type, data) VALUES (?1, ?2, ?3, ?4)"
                   " ON CONFLICT (key_path, name) DO UPDATE"
                   " SET type = excluded.type, data = excluded.data");
  return StatusOf(
      upsert.Text(1, opened->path).Text(2, name).Integer(3, type).Blob(4, data, size).Step());
}

std::int32_t SqliteStore::QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                                     std::uint8_t* data, std::uint32_t& size) {
  std::int32_t status = kErrorSuccess;
  const OpenedKey* opened = OpenedWith(key, kKeyQueryValue, status);
  if (opened == nullptr) return status;

  Statement select(db_.get(),
                   "SELECT type, data FROM registry_values WHERE key_path = ?1 AND name = ?2");
  const int result = select.Text(1, opened->path).Text(2, name).Step();
  if (result == SQLITE_DONE) {
    type = 0;  // REG_NONE, as the system registry answers for a missing value
    return kErrorFileNotFound;
  }
  if (result != SQLITE_ROW) return StatusOf(result);

  type = static_cast<std::uint32_t>(sqlite3_column_int64(select.Get(), 0));
  const void* stored = sqlite3_column_blob(select.Get(), 1);
  const auto storedSize = static_cast<std::uint32_t>(sqlite3_column_bytes(select.Get(), 1));
  const bool fits = data == nullptr || size >= storedSize;
  size = storedSize;
  if (!fits) return kErrorMoreData;
  if (data != nullptr && storedSize != 0) std::memcpy(data, stored, storedSize);
  return kErrorSuccess;
}

std::int32_t SqliteStore::CloseKey(HKey key) {
  if (IsRootKey(key)) return kErrorSuccess;
  return openKeys_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace quellar::registry
