// The pick ray agrees with the picture: a scene point drawn at a pixel lies on the ray through
// that pixel, and the ray starts at the eye and points into the scene.
#include <gtest/gtest.h>

#include "scene/objects/Camera.h"
#include "scene/objects/Dummy.h"
#include "scene/picking/PickRay.h"
#include "support/ViewPixel.h"

namespace scene {
namespace {

float DistanceToLine(const TPoint3D& p, const TPickRay& ray) {
  const TPoint3D v = p - ray.Origin;
  return Length(v - ray.Direction * Dot(v, ray.Direction));
}

TEST(ViewRay, PassesThroughWhatIsDrawnAtThePixel) {
  // The main window's camera: under a pivot tilted 15 degrees and turned, looking at a
  // target at the origin from 26 units.
  TDummy pivot;
  auto* target = new TDummy;
  auto* camera = new TCamera;
  pivot.AddChild(target);
  pivot.AddChild(camera);
  pivot.RotationAngle().SetX(-15);
  pivot.RotationAngle().SetY(40);
  camera->Position().SetZ(-26);
  camera->SetTarget(target);
  const struct {
    int width, height;
    TPoint3D point;
  } cases[] = {{1920, 1080, {0, 0, 0}},
               {1920, 1080, {5, 0, 0}},
               {1920, 1080, {-3, 4, 7}},
               {1332, 829, {11, -2, -5}},
               {800, 1200, {0.2f, 0.1f, 12}}};
  const TPoint3D eye = camera->AbsolutePosition().ToPoint();
  for (const auto& c : cases) {
    const TPoint3D pixel = testing::ViewPixel(*camera, c.point, c.width, c.height);
    const TPickRay ray = ViewRay(*camera, pixel.X, pixel.Y, c.width, c.height);
    EXPECT_NEAR(Length(ray.Origin - eye), 0, 1e-4f);
    EXPECT_NEAR(Length(ray.Direction), 1, 1e-6f);
    EXPECT_NEAR(DistanceToLine(c.point, ray), 0, 1e-3f) << c.point.X << " " << c.width;
    EXPECT_GT(Dot(c.point - ray.Origin, ray.Direction), 0) << "points into the scene";
  }
  // The centre of the view looks at the target.
  const TPickRay centre = ViewRay(*camera, 960, 540, 1920, 1080);
  EXPECT_NEAR(DistanceToLine({0, 0, 0}, centre), 0, 1e-4f);
}

TEST(ViewRay, ToLocalKeepsTheParameterOfAPoint) {
  TDummy object;
  object.Position().SetPoint({3, -2, 5});
  object.Scale().SetPoint({2, 4, 0.5f});
  object.RotationAngle().SetY(30);
  const TPickRay ray{{1, 2, -20}, Normalize({0.1f, -0.05f, 1})};
  const TPickRay local = ToLocal(ray, object.InvertAbsoluteMatrix());
  for (float t : {0.0f, 3.5f, 20.0f}) {
    const TPoint3D inScene =
        TransformPoint(local.Origin + local.Direction * t, object.AbsoluteMatrix());
    EXPECT_NEAR(Length(inScene - (ray.Origin + ray.Direction * t)), 0, 1e-4f) << t;
  }
}

}  // namespace
}  // namespace scene
