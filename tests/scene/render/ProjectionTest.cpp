// The drawing context's projection, the matrices it chains for a draw, and the render target's
// size within the device's limit.
#include <gtest/gtest.h>

#include <cmath>

#include "support/RecordingContext.h"

namespace scene {
namespace {

using testing::TRecordingContext;

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

// A target larger than the device allows is drawn smaller with its shape kept, so that the
// enlarged picture is the same projection; one that fits is left alone.
TEST(RenderTargetSize, FitsTheDevicesLimitKeepingTheShape) {
  const struct {
    const char* What;
    int Width, Height, Limit;
    TPixelSize Expected;
  } cases[] = {
      {"fits", 1920, 1080, 16384, {1920, 1080}},
      {"exactly the limit", 16384, 16384, 16384, {16384, 16384}},
      {"no limit known", 20000, 300, 0, {20000, 300}},
      {"too wide", 17000, 300, 16384, {16384, 289}},
      {"too high", 300, 17000, 16384, {289, 16384}},
      {"too wide and too high", 40000, 20000, 16384, {16384, 8192}},
      {"one pixel over", 16385, 16385, 16384, {16384, 16384}},
      {"a sliver keeps a pixel", 100000, 1, 16384, {16384, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    const TPixelSize fitted = FitRenderTarget(c.Width, c.Height, c.Limit);
    EXPECT_EQ(fitted.Width, c.Expected.Width);
    EXPECT_EQ(fitted.Height, c.Expected.Height);
  }
}

}  // namespace
}  // namespace scene
