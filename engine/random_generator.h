#pragma once
// The rain's pseudo-random numbers. Reseeding mixes a clock reading into the current state
// instead of replacing it, so several reseeds within one clock reading (every tick has many)
// still give different numbers, and a run started from a known seed and a known clock repeats
// exactly.

#include <cstdint>

namespace quellar::engine {

class RandomGenerator {
 public:
  explicit RandomGenerator(std::uint64_t seed) : state_(seed) {}

  void Reseed(std::uint64_t clockReading);
  // Uniform in [0, 1), a single-precision value with 24 random bits.
  float Next();

 private:
  std::uint64_t state_;
};

}  // namespace quellar::engine
