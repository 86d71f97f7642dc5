#include "scene/math/Interpolation.h"

#include <cmath>
#include <numbers>

namespace scene {

namespace {

double BounceOut(double t) {
  constexpr double k = 7.5625, d = 2.75;
  if (t < 1 / d) return k * t * t;
  if (t < 2 / d) {
    t -= 1.5 / d;
    return k * t * t + 0.75;
  }
  if (t < 2.5 / d) {
    t -= 2.25 / d;
    return k * t * t + 0.9375;
  }
  t -= 2.625 / d;
  return k * t * t + 0.984375;
}

// The "In" form of each curve: slow at the start, 0 at 0 and 1 at 1.
double EaseIn(double t, TInterpolationType interpolation) {
  using std::numbers::pi;
  switch (interpolation) {
    case TInterpolationType::Linear:
      return t;
    case TInterpolationType::Quadratic:
      return t * t;
    case TInterpolationType::Cubic:
      return t * t * t;
    case TInterpolationType::Quartic:
      return t * t * t * t;
    case TInterpolationType::Quintic:
      return t * t * t * t * t;
    case TInterpolationType::Sinusoidal:
      return 1 - std::cos(t * pi / 2);
    case TInterpolationType::Exponential:
      return t == 0 ? 0 : std::pow(2.0, 10 * (t - 1));
    case TInterpolationType::Circular:
      return 1 - std::sqrt(1 - t * t);
    case TInterpolationType::Elastic: {
      // Period 0.3 of the whole run, amplitude 1.
      if (t == 0 || t == 1) return t;
      constexpr double period = 0.3, shift = period / 4;
      return -std::pow(2.0, 10 * (t - 1)) * std::sin((t - 1 - shift) * 2 * pi / period);
    }
    case TInterpolationType::Back: {
      constexpr double overshoot = 1.70158;
      return t * t * ((overshoot + 1) * t - overshoot);
    }
    case TInterpolationType::Bounce:
      return 1 - BounceOut(1 - t);
  }
  return t;
}

}  // namespace

float Interpolate(float t, TInterpolationType interpolation, TAnimationType type) {
  if (interpolation == TInterpolationType::Linear) return t;
  const double x = t;
  switch (type) {
    case TAnimationType::In:
      return static_cast<float>(EaseIn(x, interpolation));
    case TAnimationType::Out:
      return static_cast<float>(1 - EaseIn(1 - x, interpolation));
    case TAnimationType::InOut:
      return static_cast<float>(x < 0.5 ? EaseIn(2 * x, interpolation) / 2
                                        : 1 - EaseIn(2 - 2 * x, interpolation) / 2);
  }
  return t;
}

}  // namespace scene
