#pragma once
// A store between the code under test and the real one: it passes every call on, keeps the
// handles it handed out and that are not closed yet, and can refuse machine keys to writers as
// Windows refuses them to a standard user.

#include <set>

#include "registry/registry_api.h"

namespace quellar::test {

class TrackingStore final : public registry::RegistryApi {
 public:
  enum class MachineKeys { kWritable, kRefusedToWriters };

  explicit TrackingStore(registry::RegistryApi& store,
                         MachineKeys machineKeys = MachineKeys::kWritable);

  std::int32_t CreateKey(registry::HKey root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, registry::HKey& result) override;
  std::int32_t OpenKey(registry::HKey root, const std::string& subKey, std::uint32_t options,
                       std::uint32_t access, registry::HKey& result) override;
  std::int32_t SetValue(registry::HKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t QueryValue(registry::HKey key, const std::string& name, std::uint32_t& type,
                          std::uint8_t* data, std::uint32_t& size) override;
  std::int32_t CloseKey(registry::HKey key) override;
  bool FindOrdinaryFile(const std::string& pattern) override;

  const std::set<registry::HKey>& OpenHandles() const { return openHandles_; }

 private:
  std::int32_t Track(std::int32_t answer, registry::HKey handle);

  registry::RegistryApi& store_;
  MachineKeys machineKeys_;
  std::set<registry::HKey> openHandles_;
};

}  // namespace quellar::test
