#include "base/Random.h"

namespace vkr {

uint64_t TRandom::Next() {  // splitmix64
  uint64_t z = (FState += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int32_t TRandom::Below(int32_t n) {
  if (n <= 0) return 0;
  return static_cast<int32_t>(Next() % static_cast<uint64_t>(n));
}

}  // namespace vkr
