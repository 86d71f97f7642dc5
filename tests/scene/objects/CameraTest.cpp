// The camera matrix with and without a target.
#include <gtest/gtest.h>

#include "scene/objects/Camera.h"
#include "scene/objects/Dummy.h"
#include "support/FakeViewport.h"
#include "support/PointChecks.h"

namespace scene {
namespace {

using testing::ExpectNear;
using testing::TFakeViewport;

TPoint3D Apply(const TPoint3D& p, const TMatrix3D& m) {
  return TransformPoint(p, m);
}

// The scene's rig: a pivot at the origin carrying a camera that looks at a target there.
struct Rig : ::testing::Test {
  TFakeViewport viewport;
  TDummy* pivot = new TDummy;
  TCamera* camera = new TCamera;
  TDummy* target = new TDummy;
  Rig() {
    viewport.AddChild(target);
    viewport.AddChild(pivot);
    pivot->AddChild(camera);
    camera->SetTarget(target);
    camera->Position().SetZ(-60);
  }
};

TEST_F(Rig, CameraStartsAtMinusFiveAndClampsItsAngle) {
  TCamera fresh;
  EXPECT_EQ(fresh.Position().Point(), (TPoint3D{0, 0, -5}));
  EXPECT_FALSE(fresh.HitTest());
  const struct { float written, held; } cases[] = {{0.5f, 1}, {200, 179}, {60, 60}, {-5, 1}};
  for (const auto& c : cases) {
    fresh.SetAngleOfView(c.written);
    EXPECT_EQ(fresh.AngleOfView(), c.held) << c.written;
  }
}

TEST_F(Rig, ViewPutsTheEyeAtTheOriginLookingAlongMinusZ) {
  pivot->RotationAngle().SetX(-15);
  ExpectNear(camera->AbsolutePosition().ToPoint(), {0, -15.529f, -57.956f}, 1e-3f);
  const TMatrix3D v = camera->CameraMatrix();
  ExpectNear(Apply(camera->AbsolutePosition().ToPoint(), v), {0, 0, 0}, 1e-3f);
  // The target lies straight ahead at the camera's distance.
  ExpectNear(Apply({0, 0, 0}, v), {0, 0, -60}, 1e-3f);
  // The scene's X axis is screen right; the camera's own -Y axis is screen up.
  const TPoint3D right = Apply({1, 0, 0}, v) - Apply({0, 0, 0}, v);
  ExpectNear(right, {1, 0, 0}, 1e-4f);
  const TPoint3D up = Apply(camera->AbsoluteUp().ToPoint() * -1.0f, v) - Apply({0, 0, 0}, v);
  EXPECT_GT(up.Y, 0.96f);
}

TEST_F(Rig, TargetDecidesWhereTheCameraLooksWhateverItsOwnTurn) {
  camera->RotationAngle().SetY(30);  // the camera's own turn does not move the view
  pivot->RotationAngle().SetX(-40);
  pivot->RotationAngle().SetY(70);
  ExpectNear(Apply({0, 0, 0}, camera->CameraMatrix()), {0, 0, -60}, 1e-3f);
}

TEST_F(Rig, WithoutATargetTheCameraLooksAlongItsOwnPlusZ) {
  camera->SetTarget(nullptr);
  camera->Position().SetZ(0);
  camera->RotationAngle().SetY(90);  // its +Z turns to +X
  const TMatrix3D v = camera->CameraMatrix();
  ExpectNear(Apply({10, 0, 0}, v), {0, 0, -10}, 1e-4f);
}

TEST_F(Rig, FreedTargetIsForgotten) {
  delete target;
  EXPECT_EQ(camera->Target(), nullptr);
  ExpectNear(Apply({0, 0, 0}, camera->CameraMatrix()), {0, 0, -60}, 1e-3f);  // looks along +Z
}

}  // namespace
}  // namespace scene
