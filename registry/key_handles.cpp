#include "registry/key_handles.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "registry/key_path.h"
#include "registry/root_keys.h"

namespace quellar::registry {
namespace {

constexpr std::uint32_t kAllAccess = 0xF003F;

bool IsRootKey(HKey key) {
  return std::any_of(kRootKeys.begin(), kRootKeys.end(),
                     [key](const RootKey& root) { return root.key == key; });
}

}  // namespace

KeyHandles::KeyHandles() {
  for (const RootKey& root : kRootKeys) {
    keys_.emplace(root.key, OpenedKey{std::string(root.fullName), kAllAccess});
  }
}

std::int32_t KeyHandles::PathBelow(HKey parent, const std::string& subKey,
                                   std::string& path) const {
  const auto opened = keys_.find(parent);
  if (opened == keys_.end()) return kErrorInvalidHandle;
  std::optional<std::string> child = ChildPath(opened->second.path, subKey);
  if (!child) return kErrorBadPathname;
  path = std::move(*child);
  return kErrorSuccess;
}

const KeyHandles::OpenedKey* KeyHandles::OpenedWith(HKey key, std::uint32_t right,
                                                    std::int32_t& status) const {
  const auto opened = keys_.find(key);
  status = opened == keys_.end()                  ? kErrorInvalidHandle
           : (opened->second.access & right) == 0 ? kErrorAccessDenied
                                                  : kErrorSuccess;
  return status == kErrorSuccess ? &opened->second : nullptr;
}

HKey KeyHandles::Add(OpenedKey key) {
  const HKey handle = nextHandle_++;
  keys_.emplace(handle, std::move(key));
  return handle;
}

std::int32_t KeyHandles::Close(HKey key, OpenedKey& closed) {
  if (IsRootKey(key)) return kErrorSuccess;
  const auto opened = keys_.find(key);
  if (opened == keys_.end()) return kErrorInvalidHandle;
  closed = std::move(opened->second);
  keys_.erase(opened);
  return kErrorSuccess;
}

}  // namespace quellar::registry
