#pragma once
// What the store tests share: the store the registry cases run against, a scratch directory,
// raw access to stored values (type and exact bytes), and a store between the code under test
// and the real one that records what passes.

#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "registry/registry_api.h"

namespace quellar::test {

using namespace registry;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

inline Bytes BytesOf(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

// An empty SQLite database natively, the system registry under Wine; what a test leaves in it
// is removed at the end. The title is one no other run uses; SaveSetting writes at keyPath.
struct StoreUnderTest {
  StoreUnderTest();
  ~StoreUnderTest();
  std::unique_ptr<RegistryApi> api;
  std::string title;
  std::string keyPath = "SOFTWARE\\Tovenlab\\" + title;
};

struct ScopedTempDir {
  ScopedTempDir() {
    for (std::random_device random; path.empty() || !fs::create_directory(path);) {
      path = fs::temp_directory_path() / ("quellar-test-" + std::to_string(random()));
    }
  }
  ~ScopedTempDir() { fs::remove_all(path, ignored); }
  std::string File(const char* name) const { return (path / name).string(); }
  fs::path path;
  std::error_code ignored;
};

// Keeps the handles not yet closed, counts the SetValue calls that failed and times the slowest
// call; can refuse machine keys to writers, as Windows refuses them to a standard user.
struct RecordingStore final : RegistryApi {
  explicit RecordingStore(RegistryApi& inner, bool refuse = false)
      : store(inner), refuseMachineWrites(refuse) {}

  std::int32_t CreateKey(HKey root, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, HKey& key) override {
    if (refuseMachineWrites && root == kHkeyLocalMachine) return kErrorAccessDenied;
    return Opened(key, [&] { return store.CreateKey(root, subKey, options, access, key); });
  }
  std::int32_t OpenKey(HKey root, const std::string& subKey, std::uint32_t options,
                       std::uint32_t access, HKey& key) override {
    return Opened(key, [&] { return store.OpenKey(root, subKey, options, access, key); });
  }
  std::int32_t SetValue(HKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) override {
    const std::int32_t answer = Timed([&] { return store.SetValue(key, name, type, data, size); });
    failedWrites += answer == kErrorSuccess ? 0 : 1;
    return answer;
  }
  std::int32_t QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                          std::uint8_t* data, std::uint32_t& size) override {
    return Timed([&] { return store.QueryValue(key, name, type, data, size); });
  }
  std::int32_t CloseKey(HKey key) override {
    openHandles.erase(key);
    return Timed([&] { return store.CloseKey(key); });
  }
  bool FindOrdinaryFile(const std::string& pattern) override {
    return store.FindOrdinaryFile(pattern);
  }

  std::int32_t Timed(const auto& call) {
    const auto start = std::chrono::steady_clock::now();
    const std::int32_t answer = call();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    slowestMs = std::max(slowestMs, took.count());
    return answer;
  }
  std::int32_t Opened(const HKey& key, const auto& call) {
    const std::int32_t answer = Timed(call);
    if (answer == kErrorSuccess) openHandles.insert(key);
    return answer;
  }

  RegistryApi& store;
  bool refuseMachineWrites;
  std::set<HKey> openHandles;
  int failedWrites = 0;
  double slowestMs = 0;
};

struct StoredValue {
  std::int32_t status;  // of opening the key, else of reading the value
  std::uint32_t type;
  Bytes bytes;
};

inline StoredValue ReadStored(RegistryApi& api, HKey root, const std::string& path,
                              const std::string& name) {
  HKey key = 0;
  StoredValue stored{api.OpenKey(root, path, 0, kKeyQueryValue, key), 0, Bytes(64)};
  auto size = static_cast<std::uint32_t>(stored.bytes.size());
  if (stored.status == kErrorSuccess) {
    stored.status = api.QueryValue(key, name, stored.type, stored.bytes.data(), size);
    api.CloseKey(key);
  }
  stored.bytes.resize(stored.status == kErrorSuccess ? size : 0);
  return stored;
}

// The system registry counts a NUL that directly follows string data as its terminator (it
// looks one byte past the size); a byte that is no NUL keeps the data exactly as given.
inline std::int32_t WriteStored(RegistryApi& api, HKey root, const std::string& path,
                                const std::string& name, std::uint32_t type, Bytes bytes) {
  HKey key = 0;
  const std::int32_t created = api.CreateKey(root, path, 0, kKeySetValue, key);
  if (created != kErrorSuccess) return created;
  const auto size = static_cast<std::uint32_t>(bytes.size());
  bytes.push_back(0xFF);
  const std::int32_t set = api.SetValue(key, name, type, bytes.data(), size);
  return api.CloseKey(key) == kErrorSuccess ? set : kErrorInvalidHandle;
}

// 0 when the key exists, 2 when it does not.
inline std::int32_t KeyStatus(RegistryApi& api, HKey root, const std::string& path) {
  HKey key = 0;
  const std::int32_t status = api.OpenKey(root, path, 0, kKeyQueryValue, key);
  if (status == kErrorSuccess) api.CloseKey(key);
  return status;
}

}  // namespace quellar::test
