#pragma once
// A fresh directory for one test, and a current directory that is put back.

#include <filesystem>
#include <random>
#include <string>

namespace quellar::test {

class ScopedTempDir {
 public:
  ScopedTempDir() {
    std::random_device random;
    do {
      path_ = std::filesystem::temp_directory_path() / ("quellar-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;
  ~ScopedTempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const std::filesystem::path& directory)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
  }
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;
  ~ScopedCurrentDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

}  // namespace quellar::test
