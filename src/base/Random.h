#pragma once
// A small seeded generator, so scripted and tested runs repeat exactly.
#include <cstdint>

namespace vkr {

class TRandom {
 public:
  explicit TRandom(uint64_t seed = 0x9E3779B97F4A7C15ULL) { Seed(seed); }
  void Seed(uint64_t seed) { FState = seed; }
  uint64_t Next();
  // Uniform integer in 0 .. n - 1; 0 when n <= 0.
  int32_t Below(int32_t n);

 private:
  uint64_t FState;
};

}  // namespace vkr
