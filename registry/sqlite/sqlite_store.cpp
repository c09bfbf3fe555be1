#include "registry/sqlite/sqlite_store.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "registry/key_path.h"
#include "registry/sqlite/sql.h"
#include "registry/sqlite/store_file.h"

namespace quellar::registry {
namespace {

// How long the writes that missed the lock are retried once the windows are gone.
constexpr std::int64_t kFinishAllowanceMs = 5000;
constexpr const char* kNotUsed = "; the default settings are used and nothing is saved";
constexpr const char* kUnread =
    "settings could not be read: their defaults stand in, and they are not saved over";

// A file the store may not write answers as a registry key the user may not write.
std::int32_t StatusOf(int result) {
  switch (result & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
      return kErrorSuccess;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return kErrorBusy;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN:
      return kErrorAccessDenied;
    default:
      return kErrorRegistryIoFailed;
  }
}

}  // namespace

SqliteStore::SqliteStore(std::string file, Options options, const std::string& reason)
    : file_(std::move(file)),
      report_(std::move(options.report)),
      budget_(options.clock != nullptr ? *options.clock : SystemClock()) {
  if (!reason.empty()) Report(reason + kNotUsed);
}

SqliteStore::SqliteStore(const std::string& file, Options options)
    : SqliteStore(file, std::move(options), std::string()) {
  const BudgetedCall call(budget_);
  OpenedStore opened = OpenStoreFile(file_, budget_);
  db_ = std::move(opened.db);
  hasTables_ = opened.hasTables;
  if (!opened.problem.empty()) Report(opened.problem + (db_ ? "" : kNotUsed));
}

std::unique_ptr<SqliteStore> SqliteStore::WithoutFile(const std::string& file,
                                                      const std::string& reason, Options options) {
  return std::unique_ptr<SqliteStore>(new SqliteStore(file, std::move(options), reason));
}

// Writes nobody retried are still told of.
SqliteStore::~SqliteStore() {
  if (!pending_.empty()) Report("was locked by another process: changed settings were not saved");
}

void SqliteStore::Report(const std::string& what) {
  if (std::exchange(reported_, true)) return;
  if (report_) report_("settings store \"" + file_ + "\" " + what);
}

std::int32_t SqliteStore::ReadFailed(std::int32_t status) {
  Report(status == kErrorBusy
             ? std::string("was locked by another process: ") + kUnread
             : "could not be read (" + std::string(sqlite3_errmsg(db_.get())) + "): " + kUnread);
  return status;
}

std::int32_t SqliteStore::KeyExists(const std::string& path, bool& exists) {
  exists = false;
  if (!db_) return kErrorRegistryIoFailed;
  // A root is no row of the table and always exists.
  if (path.find('\\') == std::string::npos) {
    exists = true;
    return kErrorSuccess;
  }
  if (!hasTables_) return kErrorSuccess;
  Statement select(db_.get(), "SELECT 1 FROM registry_keys WHERE path = ?1");
  const int result = select.Text(1, path).Step();
  exists = result == SQLITE_ROW;
  return StatusOf(result);
}

bool SqliteStore::IsPending(const std::string& keyPath) const {
  return std::any_of(pending_.begin(), pending_.end(),
                     [&keyPath](const PendingWrite& write) { return write.keyPath == keyPath; });
}

int SqliteStore::Apply(const PendingWrite& write) {
  for (const std::string& key : KeysAlong(write.keyPath)) {
    Statement insert(db_.get(), "INSERT OR IGNORE INTO registry_keys(path) VALUES (?1)");
    const int inserted = insert.Text(1, key).Step();
    if (inserted != SQLITE_DONE) return inserted;
  }
  if (!write.name) return SQLITE_OK;
  // An update keeps the name as first written, as the registry does.
  Statement upsert(db_.get(),
                   "INSERT INTO registry_values(key_path, name, type, data) VALUES (?1, ?2, ?3, ?4)"
                   " ON CONFLICT (key_path, name) DO UPDATE"
                   " SET type = excluded.type, data = excluded.data");
  const int set = upsert.Text(1, write.keyPath)
                      .Text(2, *write.name)
                      .Integer(3, write.type)
                      .Blob(4, write.data.data(), write.data.size())
                      .Step();
  return set == SQLITE_DONE ? SQLITE_OK : set;
}

int SqliteStore::WritePending() {
  Transaction transaction(db_.get());
  int result = transaction.Begun();
  for (const PendingWrite& write : pending_) {
    if (result == SQLITE_OK) result = Apply(write);
  }
  if (result == SQLITE_OK) result = transaction.Commit();
  if (result == SQLITE_OK) pending_.clear();
  return result;
}

std::int32_t SqliteStore::Write(PendingWrite write) {
  if (!db_) return kErrorRegistryIoFailed;
  // Only an empty file that may not be written has no tables.
  if (!hasTables_) return kErrorAccessDenied;
  pending_.push_back(std::move(write));
  const int result = WritePending();
  const std::int32_t status = StatusOf(result);
  // Only a write that missed the lock is kept for later.
  if (status != kErrorSuccess && status != kErrorBusy) {
    pending_.pop_back();
    Report("could not be written (" + std::string(sqlite3_errstr(result)) +
           "): changed settings are not saved");
  }
  return status;
}

void SqliteStore::FinishPendingWrites() {
  if (pending_.empty()) return;
  const BudgetedCall call(budget_);
  budget_.Allow(kFinishAllowanceMs);
  const int result = WritePending();
  if (result == SQLITE_OK) return;
  const auto values = std::count_if(pending_.begin(), pending_.end(),
                                    [](const PendingWrite& write) { return write.name; });
  // From the answer itself: the rollback after a failed commit leaves no message of its own.
  Report("could not be written (" + std::string(sqlite3_errstr(result)) +
         "): " + std::to_string(values) + " changed setting(s) not saved");
  pending_.clear();
}

std::int32_t SqliteStore::CreateKey(HKey root, const std::string& subKey, std::uint32_t /*options*/,
                                    std::uint32_t access, HKey& result) {
  return OpenHandle(root, subKey, access, result, MissingKey::kCreate);
}

std::int32_t SqliteStore::OpenKey(HKey root, const std::string& subKey, std::uint32_t /*options*/,
                                  std::uint32_t access, HKey& result) {
  return OpenHandle(root, subKey, access, result, MissingKey::kFail);
}

std::int32_t SqliteStore::OpenHandle(HKey root, const std::string& subKey, std::uint32_t access,
                                     HKey& result, MissingKey missing) {
  const BudgetedCall call(budget_);
  std::string path;
  const std::int32_t named = openKeys_.PathBelow(root, subKey, path);
  if (named != kErrorSuccess) return named;

  bool exists = false;
  const std::int32_t looked = KeyExists(path, exists);
  if (missing == MissingKey::kFail) {
    if (looked != kErrorSuccess) return ReadFailed(looked);
    if (!exists) return kErrorFileNotFound;
  } else if (looked != kErrorSuccess || !exists) {
    // An existing key needs no write. A missing one is made now or, when the lock cannot be
    // had, together with the first value written to it.
    const std::int32_t written = Write({path, std::nullopt, 0, {}});
    if (written != kErrorSuccess && written != kErrorBusy) return written;
    exists = written == kErrorSuccess;
  }
  result = openKeys_.Add({std::move(path), access, !exists});
  return kErrorSuccess;
}

std::int32_t SqliteStore::SetValue(HKey key, const std::string& name, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t size) {
  const BudgetedCall call(budget_);
  std::int32_t status = kErrorSuccess;
  const KeyHandles::OpenedKey* opened = openKeys_.OpenedWith(key, kKeySetValue, status);
  if (opened == nullptr) return status;
  if (data == nullptr && size != 0) return kErrorInvalidParameter;
  return Write({opened->path, name, type, std::vector<std::uint8_t>(data, data + size)});
}

std::int32_t SqliteStore::QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                                     std::uint8_t* data, std::uint32_t& size) {
  const BudgetedCall call(budget_);
  std::int32_t status = kErrorSuccess;
  const KeyHandles::OpenedKey* opened = openKeys_.OpenedWith(key, kKeyQueryValue, status);
  if (opened == nullptr) return status;
  if (!db_) return kErrorRegistryIoFailed;

  Statement select(db_.get(),
                   "SELECT type, data FROM registry_values WHERE key_path = ?1 AND name = ?2");
  const int result = hasTables_ ? select.Text(1, opened->path).Text(2, name).Step() : SQLITE_DONE;
  if (result == SQLITE_DONE) {
    type = 0;  // REG_NONE, as the system registry answers for a missing value
    return kErrorFileNotFound;
  }
  if (result != SQLITE_ROW) return ReadFailed(StatusOf(result));

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
  KeyHandles::OpenedKey closed;
  const std::int32_t status = openKeys_.Close(key, closed);
  // A key whose creation still waits for the lock was not made: the write is not done.
  return closed.creationPending && IsPending(closed.path) ? kErrorBusy : status;
}

}  // namespace quellar::registry
