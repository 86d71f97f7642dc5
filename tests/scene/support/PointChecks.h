// Points of the scene compared axis by axis within a tolerance.
#pragma once

#include <gtest/gtest.h>

#include "scene/math/Point3D.h"

namespace scene::testing {

inline void ExpectNear(const TPoint3D& actual, const TPoint3D& expected, float tolerance = 0.001f) {
  EXPECT_NEAR(actual.X, expected.X, tolerance);
  EXPECT_NEAR(actual.Y, expected.Y, tolerance);
  EXPECT_NEAR(actual.Z, expected.Z, tolerance);
}

}  // namespace scene::testing
