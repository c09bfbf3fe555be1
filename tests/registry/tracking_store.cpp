#include "tests/registry/tracking_store.h"

namespace quellar::test {

using namespace registry;

TrackingStore::TrackingStore(RegistryApi& store, MachineKeys machineKeys)
    : store_(store), machineKeys_(machineKeys) {}

std::int32_t TrackingStore::Track(std::int32_t answer, HKey handle) {
  if (answer == kErrorSuccess) openHandles_.insert(handle);
  return answer;
}

std::int32_t TrackingStore::CreateKey(HKey root, const std::string& subKey, std::uint32_t options,
                                      std::uint32_t access, HKey& result) {
  if (root == kHkeyLocalMachine && machineKeys_ == MachineKeys::kRefusedToWriters) {
    return kErrorAccessDenied;
  }
  const std::int32_t answer = store_.CreateKey(root, subKey, options, access, result);
  return Track(answer, result);
}

std::int32_t TrackingStore::OpenKey(HKey root, const std::string& subKey, std::uint32_t options,
                                    std::uint32_t access, HKey& result) {
  const std::int32_t answer = store_.OpenKey(root, subKey, options, access, result);
  return Track(answer, result);
}

std::int32_t TrackingStore::SetValue(HKey key, const std::string& name, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t size) {
  return store_.SetValue(key, name, type, data, size);
}

std::int32_t TrackingStore::QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                                       std::uint8_t* data, std::uint32_t& size) {
  return store_.QueryValue(key, name, type, data, size);
}

std::int32_t TrackingStore::CloseKey(HKey key) {
  openHandles_.erase(key);
  return store_.CloseKey(key);
}

bool TrackingStore::FindOrdinaryFile(const std::string& pattern) {
  return store_.FindOrdinaryFile(pattern);
}

}  // namespace quellar::test
