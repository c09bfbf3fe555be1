#include "platforms/monitors/follower_platform.h"

namespace quellar::monitors {
namespace {

constexpr registry::HKey kAnyKey = 1;

}  // namespace

std::int32_t NoSettings::CreateKey(registry::HKey, const std::string&, std::uint32_t, std::uint32_t,
                                   registry::HKey& result) {
  result = kAnyKey;
  return registry::kErrorSuccess;
}

std::int32_t NoSettings::OpenKey(registry::HKey, const std::string&, std::uint32_t, std::uint32_t,
                                 registry::HKey&) {
  return registry::kErrorFileNotFound;
}

std::int32_t NoSettings::SetValue(registry::HKey, const std::string&, std::uint32_t,
                                  const std::uint8_t*, std::uint32_t) {
  return registry::kErrorSuccess;
}

std::int32_t NoSettings::QueryValue(registry::HKey, const std::string&, std::uint32_t&,
                                    std::uint8_t*, std::uint32_t&) {
  return registry::kErrorFileNotFound;
}

std::int32_t NoSettings::CloseKey(registry::HKey) {
  return registry::kErrorSuccess;
}

}  // namespace quellar::monitors
