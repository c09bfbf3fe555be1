#pragma once
// One logged platform call as text: Name(arg, arg, ...), strings quoted, booleans as 1 and 0.

#include <concepts>
#include <sstream>
#include <string>
#include <string_view>

namespace quellar::memory {

namespace detail {
inline void Append(std::ostringstream& out, std::string_view text) {
  out << '"' << text << '"';
}
inline void Append(std::ostringstream& out, const char* text) {
  Append(out, std::string_view(text));
}
inline void Append(std::ostringstream& out, const std::string& text) {
  Append(out, std::string_view(text));
}
inline void Append(std::ostringstream& out, bool value) {
  out << (value ? 1 : 0);
}
template <std::integral Int>
void Append(std::ostringstream& out, Int value) {
  out << +value;
}
}  // namespace detail

template <typename... Args>
std::string Call(std::string_view name, const Args&... args) {
  std::ostringstream out;
  out << name << '(';
  const char* separator = "";
  ((out << separator, detail::Append(out, args), separator = ", "), ...);
  out << ')';
  return out.str();
}

}  // namespace quellar::memory
