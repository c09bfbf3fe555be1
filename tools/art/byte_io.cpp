#include "tools/art/byte_io.h"

namespace quellar::art {

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, static_cast<std::uint16_t>(value & 0xFFFFu));
  PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

std::optional<std::uint16_t> GetU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 2) return std::nullopt;
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::optional<std::uint32_t> GetU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  const auto low = GetU16(bytes, offset);
  const auto high = GetU16(bytes, offset + 2);
  if (!low || !high) return std::nullopt;
  return static_cast<std::uint32_t>(*low) | static_cast<std::uint32_t>(*high) << 16;
}

}  // namespace quellar::art
