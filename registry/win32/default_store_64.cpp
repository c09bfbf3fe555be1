// Windows virtualizes the registry for 32-bit programs only; a 64-bit one run by a standard user
// would lose every setting to a refused machine key without a virtual store of its own.

#include "registry/default_store.h"
#include "registry/virtual_store.h"
#include "registry/win32/win32_store.h"

namespace quellar::registry {

std::unique_ptr<RegistryApi> OpenDefaultRegistry() {
  return std::make_unique<VirtualStore>(std::make_unique<Win32Store>());
}

}  // namespace quellar::registry
