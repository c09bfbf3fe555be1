#include "registry/text_format.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

#include "registry/root_keys.h"

namespace quellar::registry {
namespace {

constexpr std::string_view kHeader = "quellar registry 1";

void AppendEscaped(std::string& text, std::string_view bytes) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 0x7F && byte != '%') {
      text += c;
    } else {
      text.append({'%', kHex[byte >> 4], kHex[byte & 0xF]});
    }
  }
}

std::optional<std::string> Unescaped(std::string_view field) {
  std::string bytes;
  for (std::size_t at = 0; at < field.size(); ++at) {
    if (field[at] != '%') {
      bytes += field[at];
      continue;
    }
    if (field.size() - at < 3) return std::nullopt;
    unsigned char byte = 0;
    const char* digits = field.data() + at + 1;
    const auto [end, error] = std::from_chars(digits, digits + 2, byte, 16);
    if (error != std::errc() || end != digits + 2) return std::nullopt;
    bytes += static_cast<char>(byte);
    at += 2;
  }
  return bytes;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// Below a root of the registry, without empty key names: a path no store call could reach
// would otherwise be kept for ever.
bool IsKeyPath(const std::string& path) {
  const std::string_view root = std::string_view(path).substr(0, path.find('\\'));
  return std::any_of(kRootKeys.begin(), kRootKeys.end(),
                     [root](const RootKey& key) { return SameName(root, key.fullName); }) &&
         path.back() != '\\' && path.find("\\\\") == std::string::npos;
}

std::optional<std::uint32_t> TypeOf(std::string_view field) {
  std::uint32_t type = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), type);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return type;
}

// Reads a line after the first into `keys`; `current` is the key its value lines belong to.
// Answers what is wrong with the line, or nothing.
std::string_view ReadLine(std::string_view line, RegistryKeys& keys, KeyValues*& current) {
  const std::vector<std::string_view> fields = Split(line, ' ');
  if (fields[0] == "key" && fields.size() == 2) {
    const std::optional<std::string> path = Unescaped(fields[1]);
    if (!path || !IsKeyPath(*path)) return "no key path";
    current = &MakeKey(keys, *path);
    return {};
  }
  if (fields[0] != "value" || fields.size() != 4) return "neither a key nor a value";
  if (current == nullptr) return "a value before any key";
  const std::optional<std::string> name = Unescaped(fields[1]);
  const std::optional<std::uint32_t> type = TypeOf(fields[2]);
  std::optional<std::string> data = Unescaped(fields[3]);
  if (!name || !type || !data) return "a value that does not read";
  (*current)[*name] = RegistryValue{*type, std::move(*data)};
  return {};
}

}  // namespace

KeyValues& MakeKey(RegistryKeys& keys, const std::string& path) {
  for (const std::string& key : KeysAlong(path)) keys.try_emplace(key);
  return keys[path];
}

ParsedText ParseRegistryText(std::string_view text) {
  ParsedText parsed;
  if (text.empty()) return parsed;
  const std::vector<std::string_view> lines = Split(text, '\n');
  KeyValues* current = nullptr;
  for (std::size_t number = 1; number <= lines.size(); ++number) {
    const std::string_view line = lines[number - 1];
    const std::string_view problem = number == 1
                                         ? (line == kHeader ? "" : "no \"quellar registry 1\"")
                                     : line.empty() ? ""
                                                    : ReadLine(line, parsed.keys, current);
    if (!problem.empty()) {
      return {{}, "line " + std::to_string(number) + ": " + std::string(problem)};
    }
  }
  return parsed;
}

std::string FormatRegistryText(const RegistryKeys& keys) {
  std::string text(kHeader);
  for (const auto& [path, values] : keys) {
    text += "\nkey ";
    AppendEscaped(text, path);
    for (const auto& [name, value] : values) {
      text += "\nvalue ";
      AppendEscaped(text, name);
      text += ' ' + std::to_string(value.type) + ' ';
      AppendEscaped(text, value.data);
    }
  }
  return text += '\n';
}

}  // namespace quellar::registry
