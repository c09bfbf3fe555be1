#pragma once
// The registry a memory platform is given, with its value-level calls written to the platform's
// call log: the settings a run reads and writes then show in order among its other calls.

#include <functional>
#include <string>
#include <utility>

#include "registry/registry_api.h"

namespace quellar::memory {

class LoggingRegistry : public registry::RegistryApi {
 public:
  using Log = std::function<void(std::string)>;

  LoggingRegistry(registry::RegistryApi& registry, Log log)
      : registry_(registry), log_(std::move(log)) {}

  std::int32_t CreateKey(registry::HKey root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, registry::HKey& result) override {
    return registry_.CreateKey(root, subKey, options, access, result);
  }
  std::int32_t OpenKey(registry::HKey root, const std::string& subKey, std::uint32_t options,
                       std::uint32_t access, registry::HKey& result) override {
    return registry_.OpenKey(root, subKey, options, access, result);
  }
  std::int32_t SetValue(registry::HKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t QueryValue(registry::HKey key, const std::string& name, std::uint32_t& type,
                          std::uint8_t* data, std::uint32_t& size) override;
  std::int32_t CloseKey(registry::HKey key) override { return registry_.CloseKey(key); }
  bool FindOrdinaryFile(const std::string& pattern) override {
    return registry_.FindOrdinaryFile(pattern);
  }

 private:
  registry::RegistryApi& registry_;
  Log log_;
};

}  // namespace quellar::memory
