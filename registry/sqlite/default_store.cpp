// Where the settings live on this platform: $QUELLAR_REGISTRY when set, else
// quellar/registry.sqlite3 in the XDG configuration directory.

#include "registry/default_store.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "registry/sqlite/sqlite_store.h"

namespace quellar::registry {
namespace {

namespace fs = std::filesystem;

// An unset and an empty variable mean the same, as the XDG rules have it.
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

fs::path ConfigDirectory() {
  // The XDG rules ignore a relative XDG_CONFIG_HOME.
  const fs::path xdgConfigHome = Environment("XDG_CONFIG_HOME");
  if (xdgConfigHome.is_absolute()) return xdgConfigHome;
  const std::string home = Environment("HOME");
  if (home.empty()) {
    throw std::runtime_error(
        "cannot place the settings store: neither QUELLAR_REGISTRY, XDG_CONFIG_HOME nor HOME is "
        "set");
  }
  return fs::path(home) / ".config";
}

void CreateDirectories(const fs::path& directory) {
  std::error_code error;
  fs::create_directories(directory, error);
  if (error) {
    throw std::runtime_error("cannot create the directory of the settings store \"" +
                             directory.string() + "\": " + error.message());
  }
}

}  // namespace

// A file named in QUELLAR_REGISTRY (a path, ":memory:" or an SQLite URI) is taken as it stands;
// the directory of the default file is ours to create.
std::unique_ptr<RegistryApi> OpenDefaultRegistry() {
  const std::string chosen = Environment("QUELLAR_REGISTRY");
  if (!chosen.empty()) return std::make_unique<SqliteStore>(chosen);
  const fs::path directory = ConfigDirectory() / "quellar";
  CreateDirectories(directory);
  return std::make_unique<SqliteStore>((directory / "registry.sqlite3").string());
}

}  // namespace quellar::registry
