// The analytic shape tests: where rays meet ellipsoids and ellipses, and where they do not.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scene/math/ShapeHits.h"

namespace scene {
namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

TEST(EllipsoidHit, FirstPointInFrontOfTheOrigin) {
  const TPoint3D unitHalf{0.5f, 0.5f, 0.5f};
  const struct {
    const char* name;
    TPickRay ray;
    TPoint3D halfAxes;
    std::optional<float> t;
  } cases[] = {
      {"head on", {{0, 0, -10}, {0, 0, 1}}, unitHalf, 9.5f},
      {"off centre", {{0.3f, 0.2f, -10}, {0, 0, 1}}, unitHalf, 10 - std::sqrt(0.12f)},
      {"grazing touches once", {{0.5f, 0, -10}, {0, 0, 1}}, unitHalf, 10.0f},
      {"just past the edge", {{0.5001f, 0, -10}, {0, 0, 1}}, unitHalf, std::nullopt},
      {"behind the origin", {{0, 0, 10}, {0, 0, 1}}, unitHalf, std::nullopt},
      {"from inside: the exit", {{0, 0, 0.25f}, {0, 0, 1}}, unitHalf, 0.25f},
      {"origin on the surface, inwards", {{0, 0, -0.5f}, {0, 0, 1}}, unitHalf, 1.0f},
      {"origin on the surface, outwards", {{0, 0, 0.5f}, {0, 0, 1}}, unitHalf, std::nullopt},
      {"ellipsoid", {{0, -10, 0}, {0, 1, 0}}, {1, 3, 2}, 7.0f},
      {"unnormalised direction", {{0, 0, -10}, {0, 0, 2}}, unitHalf, 4.75f},
      {"flat half-axis", {{0, 0, -10}, {0, 0, 1}}, {0.5f, 0, 0.5f}, std::nullopt},
      {"no direction", {{0, 0, -10}, {0, 0, 0}}, unitHalf, std::nullopt},
      {"not a number", {{0, 0, -10}, {NaN, 0, 1}}, unitHalf, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<float> t = EllipsoidHit(c.ray, c.halfAxes);
    ASSERT_EQ(t.has_value(), c.t.has_value()) << c.name;
    if (t) {
      EXPECT_NEAR(*t, *c.t, 1e-4f) << c.name;
    }
  }
}

TEST(EllipseHit, PlanePointInsideTheEllipseAndInFront) {
  const struct {
    const char* name;
    TPickRay ray;
    float a, b;
    std::optional<float> t;
  } cases[] = {
      {"from above", {{0, 5, 0}, {0, -1, 0}}, 1, 1, 5.0f},
      {"from below", {{0.2f, -2, 0.1f}, {0, 1, 0}}, 1, 1, 2.0f},
      {"slanted", {{-4, 4, 0}, Normalize({1, -1, 0})}, 1, 1, std::sqrt(32.0f)},
      {"parallel to the plane", {{0, 0.1f, -5}, {0, 0, 1}}, 1, 1, std::nullopt},
      {"in the plane", {{0, 0, -5}, {0, 0, 1}}, 1, 1, std::nullopt},
      {"plane behind the origin", {{0, 5, 0}, {0, 1, 0}}, 1, 1, std::nullopt},
      {"outside the ellipse", {{0.4f, 5, 0.4f}, {0, -1, 0}}, 1, 1, std::nullopt},
      {"inside the wider axis", {{0.9f, 5, 0}, {0, -1, 0}}, 2, 1, 5.0f},
      {"on the rim along an axis", {{0.5f, 5, 0}, {0, -1, 0}}, 1, 1, std::nullopt},
      {"flat ellipse", {{0, 5, 0}, {0, -1, 0}}, 1, 0, std::nullopt},
      {"not a number", {{0, 5, 0}, {0, NaN, 0}}, 1, 1, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<float> t = EllipseHit(c.ray, c.a, c.b);
    ASSERT_EQ(t.has_value(), c.t.has_value()) << c.name;
    if (t) {
      EXPECT_NEAR(*t, *c.t, 1e-4f) << c.name;
    }
  }
}

}  // namespace
}  // namespace scene
