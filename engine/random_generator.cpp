#include "engine/random_generator.h"

namespace quellar::engine {
namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15u;

// SplitMix64's finaliser: every input bit affects every output bit.
std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

}  // namespace

void RandomGenerator::Reseed(std::uint64_t clockReading) {
  state_ = Mix(state_ ^ Mix(clockReading + kGolden));
}

float RandomGenerator::Next() {
  state_ += kGolden;
  constexpr float kScale = 1.0f / 16777216.0f;  // 2^-24: exact, so the result stays below 1
  return static_cast<float>(Mix(state_) >> 40) * kScale;
}

}  // namespace quellar::engine
