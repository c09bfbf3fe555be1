#pragma once
// The keys and values a TextStore holds, and the text it keeps them in: one line a record, its
// fields apart by one space.
//
//   quellar registry 1
//   key HKEY_LOCAL_MACHINE\SOFTWARE\Tovenlab\QuellarScreensaver
//   value speed 3 %1D
//   value randm 1 True%00
//
// The first line names the format and its version. A key line gives a key's path (key_path.h;
// its parents exist with it), the value lines after it that key's values: name, registry type
// in decimal, data. In paths, names and data every byte but the printable ASCII ones (33 to 126)
// and '%' is written %XX, in hex, so that any byte survives and no field holds a space or a line
// break. Empty lines are passed over; an empty text is an empty registry.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "registry/key_path.h"

namespace quellar::registry {

struct RegistryValue {
  std::uint32_t type = 0;
  std::string data;  // its bytes
};
using KeyValues = std::map<std::string, RegistryValue, CaseBlindLess>;
// Keys by path, each with its values. A root, which always exists, is here only with values.
using RegistryKeys = std::map<std::string, KeyValues, CaseBlindLess>;

// Makes the key at `path` and its parents; answers its values. Names keep the spelling they
// were first made with, as in the registry.
KeyValues& MakeKey(RegistryKeys& keys, const std::string& path);

struct ParsedText {
  RegistryKeys keys;
  std::string problem;  // why the text is none of this store's, with its line; empty when it is
};

// Any text gives keys or a problem (and no keys), whatever it holds: the user may have edited it.
ParsedText ParseRegistryText(std::string_view text);
std::string FormatRegistryText(const RegistryKeys& keys);

}  // namespace quellar::registry
