#pragma once
// A registry of our own for platforms that have none: one SQLite file holds, per key path and
// value name, a registry type and a byte string, and answers the registry calls with the
// registry's status codes. Several processes may use one file at once (a preview, the settings
// dialog and a full-screen run): SQLite locks the file and every write is one transaction.
//
// Tables: registry_keys(path) and registry_values(key_path, name, type, data), where a path is
// the root's full name followed by the key names, each after a backslash
// ("HKEY_LOCAL_MACHINE\SOFTWARE\Tovenlab\QuellarScreensaver"). Paths and value names compare
// without regard to (ASCII) letter case, as in the registry.
//
// The store never stops the program. A file that is not this program's store, or cannot be
// opened or read, is left as it is and the store answers as an empty registry that may not be
// written; a file that may not be written serves its values and refuses writes (5), as the
// registry does for a key the user may not write. Waits for another process's lock are short
// (wait_budget.h); a write that missed the lock answers 170 (busy) and is kept, to be retried
// with the next write or by FinishPendingWrites(); a read that missed it answers 170 too. A
// write that fails for another reason (a full disk) is dropped. The first of these problems is
// told, in one line; later ones are not.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "registry/key_handles.h"
#include "registry/registry_api.h"
#include "registry/sqlite/connection.h"
#include "registry/sqlite/wait_budget.h"

namespace quellar::registry {

inline constexpr std::int32_t kErrorBusy = 170;
// The registry's answer when its storage fails (ERROR_REGISTRY_IO_FAILED), here also for a
// file the store does not use.
inline constexpr std::int32_t kErrorRegistryIoFailed = 1016;

struct SqliteStoreOptions {
  // Receives at most one line: the file's name and what went wrong with it.
  std::function<void(const std::string&)> report;
  StoreClock* clock = nullptr;  // the system's when null
};

class SqliteStore final : public RegistryApi {
 public:
  using Options = SqliteStoreOptions;

  // `file` is a path, ":memory:" for a private store that lives as long as this object, or an
  // SQLite "file:" URI.
  explicit SqliteStore(const std::string& file, Options options = {});
  // A store without its file, for a file that cannot even be made; `reason` says why.
  static std::unique_ptr<SqliteStore> WithoutFile(const std::string& file,
                                                  const std::string& reason, Options options);
  ~SqliteStore() override;
  // SQLite holds the address of the store's wait budget.
  SqliteStore(const SqliteStore&) = delete;
  SqliteStore& operator=(const SqliteStore&) = delete;

  std::int32_t CreateKey(HKey root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, HKey& result) override;
  std::int32_t OpenKey(HKey root, const std::string& subKey, std::uint32_t options,
                       std::uint32_t access, HKey& result) override;
  std::int32_t SetValue(HKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                          std::uint8_t* data, std::uint32_t& size) override;
  std::int32_t CloseKey(HKey key) override;
  // Dot-files count as hidden.
  bool FindOrdinaryFile(const std::string& pattern) override;

  // Retries the writes that missed the lock, for up to 5 s; what still misses it is dropped and
  // reported. Called when the program's windows are gone, before the process ends.
  void FinishPendingWrites();
  bool Reported() const { return reported_; }

 private:
  struct PendingWrite {
    std::string keyPath;  // made with its parents
    std::optional<std::string> name;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };

  SqliteStore(std::string file, Options options, const std::string& reason);
  void Report(const std::string& what);
  // Tells of a read that failed; answers `status`.
  std::int32_t ReadFailed(std::int32_t status);
  enum class MissingKey { kCreate, kFail };
  // CreateKey and OpenKey: a handle to `subKey` below `root`, which a missing key gets only
  // where it is created.
  std::int32_t OpenHandle(HKey root, const std::string& subKey, std::uint32_t access, HKey& result,
                          MissingKey missing);
  std::int32_t KeyExists(const std::string& path, bool& exists);
  bool IsPending(const std::string& keyPath) const;
  // Writes `write` after the writes still pending, in one transaction; `write` is kept when the
  // lock could not be had.
  std::int32_t Write(PendingWrite write);
  // The pending writes in one transaction; SQLite's answer.
  int WritePending();
  int Apply(const PendingWrite& write);

  std::string file_;
  std::function<void(const std::string&)> report_;
  bool reported_ = false;
  WaitBudget budget_;
  Connection db_;  // none when the file is not used
  bool hasTables_ = false;
  KeyHandles openKeys_;  // a key's creation is pending when a write that made it missed the lock
  std::vector<PendingWrite> pending_;
};

}  // namespace quellar::registry
