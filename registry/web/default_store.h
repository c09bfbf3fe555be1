#pragma once
// TEMPORARY STUB
#include <memory>

#include "registry/registry_api.h"
namespace quellar::registry {
class TextStore final : public RegistryApi {
 public:
  std::int32_t CreateKey(HKey, const std::string&, std::uint32_t, std::uint32_t, HKey& r) override {
    r = 0x100;
    return 0;
  }
  std::int32_t OpenKey(HKey, const std::string&, std::uint32_t, std::uint32_t, HKey&) override {
    return 2;
  }
  std::int32_t SetValue(HKey, const std::string&, std::uint32_t, const std::uint8_t*,
                        std::uint32_t) override {
    return 0;
  }
  std::int32_t QueryValue(HKey, const std::string&, std::uint32_t&, std::uint8_t*,
                          std::uint32_t&) override {
    return 2;
  }
  std::int32_t CloseKey(HKey) override { return 0; }
  bool FindOrdinaryFile(const std::string&) override { return false; }
  void Save() {}
};
inline std::unique_ptr<TextStore> OpenDefaultStore() {
  return std::make_unique<TextStore>();
}
}  // namespace quellar::registry
