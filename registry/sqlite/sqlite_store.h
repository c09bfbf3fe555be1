#pragma once
// A registry of our own for platforms that have none: one SQLite file holds, per key path and
// value name, a registry type and a byte string, and answers the registry calls with the
// registry's status codes. Several processes may use one file at once (a preview, the settings
// dialog and a full-screen run): SQLite locks the file, every write is one transaction, and a
// process waits a while for another one's write to finish.
//
// Tables: registry_keys(path) and registry_values(key_path, name, type, data), where a path is
// the root's full name followed by the key names, each after a backslash
// ("HKEY_LOCAL_MACHINE\SOFTWARE\Tovenlab\QuellarScreensaver"). Paths and value names compare
// without regard to (ASCII) letter case, as in the registry.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "registry/registry_api.h"

struct sqlite3;

namespace quellar::registry {

class SqliteStore final : public RegistryApi {
 public:
  // `file` is a path, ":memory:" for a private store that lives as long as this object, or an
  // SQLite "file:" URI. Throws std::runtime_error, naming the file and the reason, when it
  // cannot be opened or is no store of ours.
  explicit SqliteStore(const std::string& file);
  ~SqliteStore() override;
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

 private:
  struct OpenedKey {
    std::string path;
    std::uint32_t access;
  };
  struct ConnectionCloser {
    void operator()(sqlite3* connection) const;
  };

  const OpenedKey* Resolve(HKey key) const;
  // The open key `key` when it was opened with `right`; else nothing, and `status` says why.
  const OpenedKey* OpenedWith(HKey key, std::uint32_t right, std::int32_t& status) const;
  // The path of `subKey` below the open key `root`; the answer is 0, or why there is none.
  std::int32_t PathBelow(HKey root, const std::string& subKey, std::string& path) const;
  HKey AddHandle(std::string path, std::uint32_t access);
  std::int32_t KeyExists(const std::string& path, bool& exists);

  std::unique_ptr<sqlite3, ConnectionCloser> db_;
  std::map<HKey, OpenedKey> openKeys_;
  HKey nextHandle_ = 0x100;
};

}  // namespace quellar::registry
