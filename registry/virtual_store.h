#pragma once
// Registry virtualization as Windows gives it to 32-bit programs without a manifest, for the
// builds that do not get it from the system: a standard user may not write
// HKEY_LOCAL_MACHINE, so a key the machine refuses to create is made instead in the user's copy
// under HKEY_CURRENT_USER\Software\Classes\VirtualStore\MACHINE, and reads of a machine key see
// that copy first, value by value, then the machine key itself.

#include <map>
#include <memory>

#include "registry/registry_api.h"

namespace quellar::registry {

class VirtualStore final : public RegistryApi {
 public:
  explicit VirtualStore(std::unique_ptr<RegistryApi> store);

  std::int32_t CreateKey(HKey root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, HKey& result) override;
  // A machine key opens when either it or the user's copy exists.
  std::int32_t OpenKey(HKey root, const std::string& subKey, std::uint32_t options,
                       std::uint32_t access, HKey& result) override;
  std::int32_t SetValue(HKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                          std::uint8_t* data, std::uint32_t& size) override;
  std::int32_t CloseKey(HKey key) override;
  bool FindOrdinaryFile(const std::string& pattern) override;

 private:
  std::unique_ptr<RegistryApi> store_;
  // Keys opened in both places, by the handle of the user's copy (the one the caller holds)
  // to the handle of the machine key behind it.
  std::map<HKey, HKey> machineKeyBehind_;
};

}  // namespace quellar::registry
