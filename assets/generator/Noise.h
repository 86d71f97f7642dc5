// Seeded 3D gradient noise and its fractal sums. Surfaces sample it at points of the unit
// sphere, so maps have no seam at u = 0/1 and no pinching at the poles.
#pragma once

#include <array>
#include <cstdint>

#include "Math.h"

namespace assets::gen {

class TNoise {
 public:
  explicit TNoise(std::uint64_t seed);

  // Gradient noise, roughly in -1..1, zero on the integer lattice.
  float Sample(TVec3 p) const;
  // Sum of `octaves` layers, each `lacunarity` times finer and `gain` times weaker, normalised
  // so the result stays roughly in -1..1. Every layer is rotated to hide the lattice axes.
  float Fbm(TVec3 p, int octaves, float lacunarity = 2.0f, float gain = 0.5f) const;
  // Ridged sum: sharp crests where the noise crosses zero, 0..1.
  float Ridged(TVec3 p, int octaves, float lacunarity = 2.0f, float gain = 0.5f) const;
  // A vector of three decorrelated Fbm values, for domain warping.
  TVec3 Fbm3(TVec3 p, int octaves) const;

 private:
  std::array<std::uint8_t, 512> FPerm{};
};

}  // namespace assets::gen
