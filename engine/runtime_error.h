#pragma once
// A run-time error: arithmetic leaving the 16-bit range, a table index out of range, a property
// value a timer rejects, a resource that cannot be loaded. Nothing in the engine catches it;
// the platform's entry point ends the run in order and reports it.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quellar {

class RuntimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The value as a 16-bit integer; an overflow outside -32768..32767.
std::int16_t Checked16(std::int64_t value);

// The number rounded to the nearest integer (halves to the even neighbour) as a 16-bit
// integer; an overflow outside -32768..32767.
std::int16_t RoundTo16(double value);

}  // namespace quellar
