// The file search behind RootKeyOf: an ordinary file is a regular file whose name does not start
// with a dot (the hidden files of this platform).

#include <glob.h>
#include <sys/stat.h>

#include <string_view>

#include "registry/sqlite/sqlite_store.h"

namespace quellar::registry {
namespace {

class GlobMatches {
 public:
  explicit GlobMatches(const std::string& pattern)
      : result_(glob(pattern.c_str(), 0, nullptr, &matches_)) {}
  GlobMatches(const GlobMatches&) = delete;
  GlobMatches& operator=(const GlobMatches&) = delete;
  ~GlobMatches() { globfree(&matches_); }

  std::size_t Count() const { return result_ == 0 ? matches_.gl_pathc : 0; }
  const char* operator[](std::size_t index) const { return matches_.gl_pathv[index]; }

 private:
  glob_t matches_{};
  int result_;
};

bool IsOrdinaryFile(const char* path) {
  const std::string_view whole(path);
  const std::size_t slash = whole.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? whole : whole.substr(slash + 1);
  if (name.empty() || name.front() == '.') return false;
  struct stat status {};
  return stat(path, &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

bool SqliteStore::FindOrdinaryFile(const std::string& pattern) {
  const GlobMatches matches(pattern);
  for (std::size_t i = 0; i < matches.Count(); ++i) {
    if (IsOrdinaryFile(matches[i])) return true;
  }
  return false;
}

}  // namespace quellar::registry
