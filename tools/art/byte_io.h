#pragma once
// Little-endian fields of the Windows file formats.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quellar::art {

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value);
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value);

// Nothing when the field would reach past the end.
std::optional<std::uint16_t> GetU16(std::span<const std::uint8_t> bytes, std::size_t offset);
std::optional<std::uint32_t> GetU32(std::span<const std::uint8_t> bytes, std::size_t offset);

}  // namespace quellar::art
