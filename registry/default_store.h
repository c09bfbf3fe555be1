#pragma once
// The settings store of the Windows builds: the system registry. (The SQLite store of the other
// platforms has its own, registry/sqlite/default_store.h, with the one line it reports.)

#include <memory>

#include "registry/registry_api.h"

namespace quellar::registry {

std::unique_ptr<RegistryApi> OpenDefaultRegistry();

}  // namespace quellar::registry
