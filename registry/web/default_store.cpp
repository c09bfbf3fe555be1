#include "registry/web/default_store.h"

#include <iostream>

#include "registry/web/local_storage_slot.h"

namespace quellar::registry {

std::unique_ptr<TextStore> OpenDefaultStore() {
  const auto toConsole = [](const std::string& line) { std::cerr << "quellar: " << line << '\n'; };
  return std::make_unique<TextStore>(std::make_unique<LocalStorageSlot>(),
                                     TextStore::Options{toConsole});
}

}  // namespace quellar::registry
