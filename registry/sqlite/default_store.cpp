#include "registry/sqlite/default_store.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace quellar::registry {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDefaultName = "$XDG_CONFIG_HOME/quellar/registry.sqlite3";

// An unset and an empty variable mean the same, as the XDG rules have it.
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::optional<fs::path> ConfigDirectory() {
  // The XDG rules ignore a relative XDG_CONFIG_HOME.
  const fs::path xdgConfigHome = Environment("XDG_CONFIG_HOME");
  if (xdgConfigHome.is_absolute()) return xdgConfigHome;
  const std::string home = Environment("HOME");
  if (home.empty()) return std::nullopt;
  return fs::path(home) / ".config";
}

}  // namespace

std::unique_ptr<SqliteStore> OpenDefaultStore(SqliteStore::Options options) {
  const std::string chosen = Environment("QUELLAR_REGISTRY");
  if (!chosen.empty()) return std::make_unique<SqliteStore>(chosen, std::move(options));
  const std::optional<fs::path> config = ConfigDirectory();
  if (!config) {
    return SqliteStore::WithoutFile(
        kDefaultName, "cannot be placed: neither QUELLAR_REGISTRY, XDG_CONFIG_HOME nor HOME is set",
        std::move(options));
  }
  const fs::path directory = *config / "quellar";
  const std::string file = (directory / "registry.sqlite3").string();
  std::error_code error;
  fs::create_directories(directory, error);
  if (error) {
    return SqliteStore::WithoutFile(
        file, "cannot be made: its directory cannot be made (" + error.message() + ")",
        std::move(options));
  }
  return std::make_unique<SqliteStore>(file, std::move(options));
}

}  // namespace quellar::registry
