#include "registry/virtual_store.h"

#include <utility>

namespace quellar::registry {
namespace {

std::string UserCopyOf(const std::string& machineSubKey) {
  return "Software\\Classes\\VirtualStore\\MACHINE\\" + machineSubKey;
}

}  // namespace

VirtualStore::VirtualStore(std::unique_ptr<RegistryApi> store) : store_(std::move(store)) {}

std::int32_t VirtualStore::CreateKey(HKey root, const std::string& subKey, std::uint32_t options,
                                     std::uint32_t access, HKey& result) {
  const std::int32_t answer = store_->CreateKey(root, subKey, options, access, result);
  if (root != kHkeyLocalMachine || answer != kErrorAccessDenied) return answer;
  return store_->CreateKey(kHkeyCurrentUser, UserCopyOf(subKey), options, access, result);
}

std::int32_t VirtualStore::OpenKey(HKey root, const std::string& subKey, std::uint32_t options,
                                   std::uint32_t access, HKey& result) {
  if (root != kHkeyLocalMachine) return store_->OpenKey(root, subKey, options, access, result);
  HKey copy = 0;
  const bool hasCopy =
      store_->OpenKey(kHkeyCurrentUser, UserCopyOf(subKey), options, access, copy) == kErrorSuccess;
  HKey machine = 0;
  const std::int32_t machineAnswer = store_->OpenKey(root, subKey, options, access, machine);
  if (!hasCopy) {
    if (machineAnswer == kErrorSuccess) result = machine;
    return machineAnswer;
  }
  if (machineAnswer == kErrorSuccess) machineKeyBehind_[copy] = machine;
  result = copy;
  return kErrorSuccess;
}

std::int32_t VirtualStore::SetValue(HKey key, const std::string& name, std::uint32_t type,
                                    const std::uint8_t* data, std::uint32_t size) {
  return store_->SetValue(key, name, type, data, size);
}

std::int32_t VirtualStore::QueryValue(HKey key, const std::string& name, std::uint32_t& type,
                                      std::uint8_t* data, std::uint32_t& size) {
  const std::uint32_t typeHint = type;
  const std::uint32_t bufferSize = size;
  const std::int32_t answer = store_->QueryValue(key, name, type, data, size);
  const auto machine = machineKeyBehind_.find(key);
  if (machine == machineKeyBehind_.end() || answer != kErrorFileNotFound) return answer;
  type = typeHint;
  size = bufferSize;
  return store_->QueryValue(machine->second, name, type, data, size);
}

std::int32_t VirtualStore::CloseKey(HKey key) {
  const auto machine = machineKeyBehind_.find(key);
  if (machine != machineKeyBehind_.end()) {
    store_->CloseKey(machine->second);
    machineKeyBehind_.erase(machine);
  }
  return store_->CloseKey(key);
}

bool VirtualStore::FindOrdinaryFile(const std::string& pattern) {
  return store_->FindOrdinaryFile(pattern);
}

}  // namespace quellar::registry
