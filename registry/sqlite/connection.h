#pragma once
// An owned SQLite connection, without SQLite's header.

#include <memory>

struct sqlite3;

namespace quellar::registry {

struct ConnectionCloser {
  void operator()(sqlite3* connection) const;
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

}  // namespace quellar::registry
