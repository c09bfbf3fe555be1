#pragma once
// The settings store of the platform the program was built for: the system registry on Windows,
// an SQLite file elsewhere.

#include <memory>

#include "registry/registry_api.h"

namespace quellar::registry {

// Throws std::runtime_error, naming the file and the reason, when the store cannot be opened.
std::unique_ptr<RegistryApi> OpenDefaultRegistry();

}  // namespace quellar::registry
