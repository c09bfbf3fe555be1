#pragma once
// Opening the settings file. A file is used only when it is this program's store: it carries
// the program's application id, or it holds exactly the two tables an earlier build made, or it
// is empty. Anything else is never written: not even a journal mode or a table goes into it.

#include <string>

#include "registry/sqlite/connection.h"
#include "registry/sqlite/wait_budget.h"

namespace quellar::registry {

// The two tables of the store; earlier builds made them with exactly these statements.
inline constexpr const char* kStoreSchema =
    "CREATE TABLE IF NOT EXISTS registry_keys("
    "  path TEXT NOT NULL COLLATE NOCASE PRIMARY KEY) WITHOUT ROWID;"
    "CREATE TABLE IF NOT EXISTS registry_values("
    "  key_path TEXT NOT NULL COLLATE NOCASE,"
    "  name TEXT NOT NULL COLLATE NOCASE,"
    "  type INTEGER NOT NULL,"
    "  data BLOB NOT NULL,"
    "  PRIMARY KEY (key_path, name)) WITHOUT ROWID;";

// The mark of this program's stores ("QULR").
inline constexpr int kStoreApplicationId = 0x51554C52;

struct OpenedStore {
  Connection db;           // none when the file cannot be used
  bool hasTables = false;  // false for an empty file that may not be written
  // What the user is told, after the file's name: why it is not used, or why nothing is saved
  // in it. Empty when the store works.
  std::string problem;
};

OpenedStore OpenStoreFile(const std::string& file, WaitBudget& budget);

}  // namespace quellar::registry
