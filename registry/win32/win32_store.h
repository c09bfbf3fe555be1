#pragma once
// The system registry: the registry calls go unchanged to advapi32's ANSI functions.

#include "registry/registry_api.h"

namespace quellar::registry {

class Win32Store final : public RegistryApi {
 public:
  std::int32_t CreateKey(HKey root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, HKey& result) override;
  std::int32_t OpenKey(HKey root, const std::string& subKey, std::uint32_t options,
                       std::uint32_t access, HKey& result) override;
  std::int32_t SetValue(HKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                          std::uint8_t* data, std::uint32_t& size) override;
  std::int32_t CloseKey(HKey key) override;
  bool FindOrdinaryFile(const std::string& pattern) override;
};

}  // namespace quellar::registry
