#include "registry/key_path.h"

#include <algorithm>

namespace quellar::registry {
namespace {

unsigned char Folded(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

}  // namespace

std::optional<std::string> ChildPath(const std::string& parent, const std::string& subKey) {
  if (!subKey.empty() && subKey.front() == '\\') return std::nullopt;
  std::string path = parent;
  std::size_t start = 0;
  while (start <= subKey.size()) {
    std::size_t end = subKey.find('\\', start);
    if (end == std::string::npos) end = subKey.size();
    if (end > start) path.append("\\").append(subKey, start, end - start);
    start = end + 1;
  }
  return path;
}

std::vector<std::string> KeysAlong(const std::string& path) {
  std::vector<std::string> keys;
  const std::size_t rootEnd = path.find('\\');
  if (rootEnd == std::string::npos) return keys;
  for (std::size_t separator = path.find('\\', rootEnd + 1); separator != std::string::npos;
       separator = path.find('\\', separator + 1)) {
    keys.push_back(path.substr(0, separator));
  }
  keys.push_back(path);
  return keys;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Folded(x) == Folded(y); });
}

bool CaseBlindLess::operator()(std::string_view a, std::string_view b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Folded(x) < Folded(y); });
}

}  // namespace quellar::registry
