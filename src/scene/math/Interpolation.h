// Time curves of property animations.
//
// An animation's normalized time t (0 at the start of a pass, 1 at its end) is mapped through
// the curve of its TInterpolationType. TAnimationType says where the easing sits: In eases the
// start (the curve itself), Out the end (mirrored: 1 - In(1 - t)), InOut both halves. Linear
// is the identity whatever the type. Back and Elastic leave 0..1 on the way; every curve maps
// 0 to 0 and 1 to 1.
#pragma once

namespace scene {

enum class TAnimationType { In, Out, InOut };

enum class TInterpolationType {
  Linear,
  Quadratic,
  Cubic,
  Quartic,
  Quintic,
  Sinusoidal,
  Exponential,
  Circular,
  Elastic,
  Back,
  Bounce
};

// The curve's value at t (0..1).
float Interpolate(float t, TInterpolationType interpolation, TAnimationType type);

}  // namespace scene
