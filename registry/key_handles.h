#pragma once
// The keys a store of our own holds open: the roots, open from the start with every right, and
// the handles CreateKey and OpenKey give out, each with its key's path (key_path.h) and the
// rights it was opened with, which the calls on it are checked against as the registry checks
// them.

#include <cstdint>
#include <map>
#include <string>

#include "registry/registry_api.h"

namespace quellar::registry {

class KeyHandles {
 public:
  struct OpenedKey {
    std::string path;
    std::uint32_t access = 0;
    bool creationPending = false;  // made by a write the store has not done yet
  };

  KeyHandles();

  // The path of `subKey` below the open key `parent`; the answer is 0, or why there is none.
  std::int32_t PathBelow(HKey parent, const std::string& subKey, std::string& path) const;
  // The open key `key` when it was opened with `right`; else nothing, and `status` says why.
  const OpenedKey* OpenedWith(HKey key, std::uint32_t right, std::int32_t& status) const;
  HKey Add(OpenedKey key);
  // RegCloseKey; `closed` receives what the handle held. A root stays open.
  std::int32_t Close(HKey key, OpenedKey& closed);

 private:
  std::map<HKey, OpenedKey> keys_;
  HKey nextHandle_ = 0x100;
};

}  // namespace quellar::registry
