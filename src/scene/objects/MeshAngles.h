// Angles of the generated meshes. They advance in single precision: each step is computed
// once from single-precision pi or 2 pi and added to the previous angle, and cosine and sine
// are taken in double precision and rounded to single, so vertices land exactly where the
// stored scenes expect them (seams and poles included).
#pragma once

#include <cmath>
#include <numbers>

namespace scene::meshangles {

constexpr float Pi = std::numbers::pi_v<float>;
constexpr float TwoPi = 2 * std::numbers::pi_v<float>;

inline float Cos(float a) {
  return static_cast<float>(std::cos(static_cast<double>(a)));
}
inline float Sin(float a) {
  return static_cast<float>(std::sin(static_cast<double>(a)));
}

}  // namespace scene::meshangles
