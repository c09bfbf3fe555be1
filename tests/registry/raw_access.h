#pragma once
// Direct access to a store, past the settings store's conversions: values whole, with their
// registry type and exact bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "registry/registry_api.h"

namespace quellar::test {

using Bytes = std::vector<std::uint8_t>;

// The bytes of a text, embedded NULs included (pass a string_view literal: "False\0"sv).
Bytes BytesOf(std::string_view text);

struct StoredValue {
  std::int32_t status;  // of opening the key, else of reading the value
  std::uint32_t type;
  Bytes bytes;
};

StoredValue ReadStored(registry::RegistryApi& api, registry::HKey root, const std::string& keyPath,
                       const std::string& name);
std::int32_t WriteStored(registry::RegistryApi& api, registry::HKey root,
                         const std::string& keyPath, const std::string& name, std::uint32_t type,
                         const Bytes& bytes);
// The answer of opening the key for reading: 0 when it exists, 2 when it does not.
std::int32_t KeyStatus(registry::RegistryApi& api, registry::HKey root, const std::string& keyPath);

}  // namespace quellar::test
