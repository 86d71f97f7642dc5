// A small deterministic random source (splitmix64). The standard library's distributions are
// implementation-defined, so every draw here is spelled out to keep the images byte-identical.
#pragma once

#include <cmath>
#include <cstdint>

#include "Math.h"

namespace assets::gen {

class TRandom {
 public:
  explicit TRandom(std::uint64_t seed) : FState(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (FState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  float Range(float lo, float hi) { return lo + (hi - lo) * static_cast<float>(Uniform()); }
  int Int(int lo, int hi) {  // inclusive
    return lo + static_cast<int>(Uniform() * (hi - lo + 1));
  }
  double Normal() {
    const double u1 = 1.0 - Uniform();
    const double u2 = Uniform();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
  }
  // Uniformly distributed point on the unit sphere.
  TVec3 OnSphere() {
    const float y = Range(-1.0f, 1.0f);
    const float a = Range(0.0f, TwoPi);
    const float s = std::sqrt(std::max(0.0f, 1.0f - y * y));
    return {s * std::cos(a), y, s * std::sin(a)};
  }

 private:
  std::uint64_t FState;
};

}  // namespace assets::gen
