#include "tests/registry/raw_access.h"

namespace quellar::test {
namespace {

using namespace registry;

class OpenedKey {
 public:
  OpenedKey(RegistryApi& api, HKey root, const std::string& keyPath, bool forWriting) : api_(api) {
    status_ = forWriting ? api.CreateKey(root, keyPath, kRegOptionNonVolatile, kKeySetValue, key_)
                         : api.OpenKey(root, keyPath, 0, kKeyQueryValue, key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;
  ~OpenedKey() {
    if (status_ == kErrorSuccess) api_.CloseKey(key_);
  }

  std::int32_t Status() const { return status_; }
  HKey Get() const { return key_; }

 private:
  RegistryApi& api_;
  HKey key_ = 0;
  std::int32_t status_;
};

}  // namespace

Bytes BytesOf(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

StoredValue ReadStored(RegistryApi& api, HKey root, const std::string& keyPath,
                       const std::string& name) {
  const OpenedKey key(api, root, keyPath, false);
  if (key.Status() != kErrorSuccess) return {key.Status(), 0, {}};
  StoredValue stored{kErrorSuccess, 0, {}};
  std::uint32_t size = 0;
  stored.status = api.QueryValue(key.Get(), name, stored.type, nullptr, size);
  if (stored.status != kErrorSuccess) return stored;
  stored.bytes.resize(size);
  stored.status = api.QueryValue(key.Get(), name, stored.type, stored.bytes.data(), size);
  stored.bytes.resize(size);
  return stored;
}

std::int32_t WriteStored(RegistryApi& api, HKey root, const std::string& keyPath,
                         const std::string& name, std::uint32_t type, const Bytes& bytes) {
  const OpenedKey key(api, root, keyPath, true);
  if (key.Status() != kErrorSuccess) return key.Status();
  // The system registry counts a NUL that directly follows string data as its terminator (it
  // looks one byte past the size); a byte that is no NUL keeps the data exactly as given.
  Bytes guarded = bytes;
  guarded.push_back(0xFF);
  return api.SetValue(key.Get(), name, type, guarded.data(),
                      static_cast<std::uint32_t>(bytes.size()));
}

std::int32_t KeyStatus(RegistryApi& api, HKey root, const std::string& keyPath) {
  return OpenedKey(api, root, keyPath, false).Status();
}

}  // namespace quellar::test
