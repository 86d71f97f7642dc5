// The time curves: Linear is the identity whatever the type; every curve runs from 0 to 1;
// Out mirrors In and InOut joins them at the middle.
#include <gtest/gtest.h>

#include "scene/math/Interpolation.h"

namespace scene {
namespace {

using I = TInterpolationType;
using A = TAnimationType;

TEST(Interpolation, LinearIsTheIdentityForEveryType) {
  for (A type : {A::In, A::Out, A::InOut})
    for (float t : {0.0f, 0.1f, 0.37f, 1.0f})
      EXPECT_EQ(Interpolate(t, I::Linear, type), t);
}

TEST(Interpolation, EasingCurvesAtTheMiddleOfAnInRun) {
  const struct {
    I interpolation;
    float in;
  } cases[] = {{I::Quadratic, 0.25f},   {I::Cubic, 0.125f},        {I::Quartic, 0.0625f},
               {I::Quintic, 0.03125f},  {I::Sinusoidal, 0.29289f}, {I::Exponential, 0.03125f},
               {I::Circular, 0.13397f}, {I::Elastic, -0.015625f},  {I::Back, -0.0876975f},
               {I::Bounce, 0.234375f}};
  for (const auto& c : cases) {
    const int i = static_cast<int>(c.interpolation);
    EXPECT_NEAR(Interpolate(0.5f, c.interpolation, A::In), c.in, 1e-5) << i;
    EXPECT_NEAR(Interpolate(0.5f, c.interpolation, A::Out), 1 - c.in, 1e-5) << i;
    EXPECT_NEAR(Interpolate(0.5f, c.interpolation, A::InOut), 0.5f, 1e-6) << i;
    for (A type : {A::In, A::Out, A::InOut}) {
      EXPECT_NEAR(Interpolate(0, c.interpolation, type), 0, 1e-6) << i;
      EXPECT_NEAR(Interpolate(1, c.interpolation, type), 1, 1e-6) << i;
    }
    // InOut runs the In curve at double speed over the first half.
    EXPECT_NEAR(Interpolate(0.25f, c.interpolation, A::InOut), c.in / 2, 1e-5) << i;
  }
}

}  // namespace
}  // namespace scene
