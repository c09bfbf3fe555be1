#pragma once
// Key paths of the stores of our own: the root's full name, then each key name after a
// backslash ("HKEY_LOCAL_MACHINE\SOFTWARE\Tovenlab\QuellarScreensaver"). Paths and value names
// compare without regard to (ASCII) letter case, as in the registry.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellar::registry {

// The path of `subKey` below the key at `parent`. Empty names (doubled or trailing backslashes)
// are dropped, as the registry drops them; a sub key that starts with a backslash is no
// relative path and gives nothing.
std::optional<std::string> ChildPath(const std::string& parent, const std::string& subKey);

// The keys that must exist for `path` to exist, below its root: each ancestor, then the key.
std::vector<std::string> KeysAlong(const std::string& path);

// Paths and value names compare as SQLite's NOCASE compares them: only A to Z fold, every other
// byte is itself, so names in other encodings stay apart.
bool SameName(std::string_view a, std::string_view b);
struct CaseBlindLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace quellar::registry
