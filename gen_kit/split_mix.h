// Deterministic random numbers for the generators (SplitMix64: small, fast
// and fully specified), so that scattered details come out the same on every
// run, build and compiler.
#pragma once

#include <cstdint>

namespace gen_kit {

class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1): the top 53 bits over 2^53.
  double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
  // Uniform in [low, high).
  double between(double low, double high) { return low + (high - low) * unit(); }
  // Uniform integer in [0, count); 0 when count is not positive.
  int below(int count) { return count <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(count)); }

 private:
  std::uint64_t state_;
};

}  // namespace gen_kit
