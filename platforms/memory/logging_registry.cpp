#include "platforms/memory/logging_registry.h"

#include "platforms/memory/call_log.h"

namespace quellar::memory {

// Logged with the value's name, its type and what the store answered.
std::int32_t LoggingRegistry::SetValue(registry::HKey key, const std::string& name,
                                       std::uint32_t type, const std::uint8_t* data,
                                       std::uint32_t size) {
  const std::int32_t answer = registry_.SetValue(key, name, type, data, size);
  log_(Call("RegSetValueEx", name, type) + " = " + std::to_string(answer));
  return answer;
}

std::int32_t LoggingRegistry::QueryValue(registry::HKey key, const std::string& name,
                                         std::uint32_t& type, std::uint8_t* data,
                                         std::uint32_t& size) {
  const std::int32_t answer = registry_.QueryValue(key, name, type, data, size);
  log_(Call("RegQueryValueEx", name) + " = " + std::to_string(answer));
  return answer;
}

}  // namespace quellar::memory
