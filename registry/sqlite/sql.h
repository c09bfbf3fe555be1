#pragma once
// Small owners of SQLite's objects: a prepared statement and a write transaction.

#include <sqlite3.h>

#include <cstdint>
#include <string>

#include "registry/sqlite/connection.h"

namespace quellar::registry {

// One prepared statement; a failed preparation is reported by Step(). Bound texts and blobs
// are the caller's and outlive the statement, so SQLite need not copy them.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql)
      : result_(sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr)) {}
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(stmt_); }

  Statement& Text(int index, const std::string& text) {
    return Check(sqlite3_bind_text64(stmt_, index, text.data(), text.size(), nullptr, SQLITE_UTF8));
  }
  Statement& Integer(int index, std::int64_t number) {
    return Check(sqlite3_bind_int64(stmt_, index, number));
  }
  // A zero-length blob must be bound as one: a null pointer would bind NULL.
  Statement& Blob(int index, const std::uint8_t* data, std::size_t size) {
    return Check(size == 0 ? sqlite3_bind_zeroblob(stmt_, index, 0)
                           : sqlite3_bind_blob64(stmt_, index, data, size, nullptr));
  }

  int Step() { return result_ == SQLITE_OK ? sqlite3_step(stmt_) : result_; }
  sqlite3_stmt* Get() const { return stmt_; }
  std::string Column(int index) const {
    const unsigned char* text = sqlite3_column_text(stmt_, index);
    return text == nullptr ? std::string() : reinterpret_cast<const char*>(text);
  }

 private:
  Statement& Check(int result) {
    if (result_ == SQLITE_OK) result_ = result;
    return *this;
  }

  sqlite3_stmt* stmt_ = nullptr;
  int result_;
};

// A write transaction, taken with the write lock at once so that it never has to give up half
// way for another writer. Rolls back unless committed, so a failed write leaves the file as it
// was.
class Transaction {
 public:
  explicit Transaction(sqlite3* db)
      : db_(db), begun_(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr)) {}
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  ~Transaction() {
    if (begun_ == SQLITE_OK && !committed_)
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  }

  int Begun() const { return begun_; }
  int Commit() {
    const int result = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    committed_ = result == SQLITE_OK;
    return result;
  }

 private:
  sqlite3* db_;
  int begun_;
  bool committed_ = false;
};

}  // namespace quellar::registry
