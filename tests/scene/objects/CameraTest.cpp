// The camera matrix with and without a target, the projection and the context's matrices.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/objects/Camera.h"
#include "scene/objects/Dummy.h"
#include "support/FakeViewport.h"
#include "support/RecordingContext.h"

namespace scene {
namespace {

using testing::TFakeViewport;
using testing::TRecordingContext;

void ExpectNear(const TPoint3D& actual, const TPoint3D& expected, float tolerance = 1e-4f) {
  EXPECT_NEAR(actual.X, expected.X, tolerance);
  EXPECT_NEAR(actual.Y, expected.Y, tolerance);
  EXPECT_NEAR(actual.Z, expected.Z, tolerance);
}

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
  ExpectNear(right, {1, 0, 0});
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
  ExpectNear(Apply({10, 0, 0}, v), {0, 0, -10});
}

TEST_F(Rig, FreedTargetIsForgotten) {
  delete target;
  EXPECT_EQ(camera->Target(), nullptr);
  ExpectNear(Apply({0, 0, 0}, camera->CameraMatrix()), {0, 0, -60}, 1e-3f);  // looks along +Z
}

TEST(Projection, MapsNearToDepthZeroAndFarToOne) {
  TRecordingContext context(1920, 1080);
  context.BeginScene();
  const TMatrix3D& p = context.CurrentProjectionMatrix();
  const float yScale = 1 / std::tan(22.5f * 3.14159265f / 180);
  EXPECT_NEAR(p.m22, yScale, 1e-5f);
  EXPECT_NEAR(p.m11, yScale * 1080 / 1920, 1e-5f);
  EXPECT_EQ(p.m34, -1);
  EXPECT_EQ(p.m44, 0);
  auto depth = [&](float z) {
    const TVector3D c = Transform({0, 0, z, 1}, p);
    return c.Z / c.W;
  };
  EXPECT_NEAR(depth(-1), 0, 1e-6f);
  EXPECT_NEAR(depth(-1000), 1, 1e-5f);
  EXPECT_GT(depth(-60), depth(-10));
  // Screen top is +1 in y: a point above the axis at the edge of the field of view.
  const TVector3D top = Transform({0, std::tan(22.5f * 3.14159265f / 180) * 10, -10, 1}, p);
  EXPECT_NEAR(top.Y / top.W, 1, 1e-5f);
}

TEST(Projection, IsRecomputedAfterBeginSceneAndAngleChanges) {
  TRecordingContext context(100, 0);  // no height: aspect 1
  context.BeginScene();
  EXPECT_FLOAT_EQ(context.CurrentProjectionMatrix().m11, context.CurrentProjectionMatrix().m22);
  const float wide = context.CurrentProjectionMatrix().m22;
  context.SetCameraAngleOfView(90);
  EXPECT_NEAR(context.CurrentProjectionMatrix().m22, 1, 1e-6f);
  EXPECT_LT(context.CurrentProjectionMatrix().m22, wide);
  const TMatrix3D identity =
      context.CurrentProjectionMatrix() * context.CurrentProjectionInvMatrix();
  EXPECT_NEAR(identity.m11, 1, 1e-5f);
  EXPECT_NEAR(identity.m33, 1, 1e-5f);
}

TEST(Projection, ModelViewProjectionChainsModelCameraAndProjection) {
  TRecordingContext context(200, 100);
  context.BeginScene();
  context.SetMatrix(TMatrix3D::Translation({0, 0, 5}));
  context.SetCameraMatrix(TMatrix3D::Translation({0, 0, -20}));
  const TVector3D c = Transform({0, 0, 0, 1}, context.CurrentModelViewProjection());
  EXPECT_NEAR(c.W, 15, 1e-4f);  // 15 units in front of the eye
  EXPECT_EQ(context.EyePosition(), (TPoint3D{0, 0, 20}));
  // A 2D scene maps pixels, top-left origin, to clip space.
  context.SetContextState(TContextState::cs2DScene);
  context.SetMatrix(TMatrix3D::Identity());
  const TVector3D corner = Transform({200, 100, 0, 1}, context.CurrentModelViewProjection());
  EXPECT_NEAR(corner.X, 1, 1e-6f);
  EXPECT_NEAR(corner.Y, -1, 1e-6f);
}

}  // namespace
}  // namespace scene
