// A 32-bit program gets registry virtualization from Windows itself.

#include "registry/default_store.h"
#include "registry/win32/win32_store.h"

namespace quellar::registry {

std::unique_ptr<RegistryApi> OpenDefaultRegistry() {
  return std::make_unique<Win32Store>();
}

}  // namespace quellar::registry
