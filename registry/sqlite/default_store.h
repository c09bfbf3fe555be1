#pragma once
// Where the settings live on this platform: $QUELLAR_REGISTRY when set (a path, ":memory:" or an
// SQLite URI), else quellar/registry.sqlite3 in the XDG configuration directory, which is made
// when missing.

#include <memory>

#include "registry/sqlite/sqlite_store.h"

namespace quellar::registry {

// Never fails: a file that cannot be placed or used gives a store that serves the defaults,
// and the options' report says why.
std::unique_ptr<SqliteStore> OpenDefaultStore(SqliteStore::Options options);

}  // namespace quellar::registry
