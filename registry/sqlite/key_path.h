#pragma once
// Key paths of the SQLite store: the root's full name, then each key name after a backslash.

#include <optional>
#include <string>
#include <vector>

namespace quellar::registry {

// The path of `subKey` below the key at `parent`. Empty names (doubled or trailing backslashes)
// are dropped, as the registry drops them; a sub key that starts with a backslash is no
// relative path and gives nothing.
std::optional<std::string> ChildPath(const std::string& parent, const std::string& subKey);

// The keys that must exist for `path` to exist, below its root: each ancestor, then the key.
std::vector<std::string> KeysAlong(const std::string& path);

}  // namespace quellar::registry
