// The placement rules of 3D objects: incremental rotations, the all-zero reset, rotation about
// a centre, the near-identity tests and the saved orientation text.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "scene/objects/Control3D.h"
#include "support/FakeViewport.h"
#include "support/PointChecks.h"

namespace scene {
namespace {

using testing::ExpectNear;
using testing::TFakeViewport;

TPoint3D Origin(const TControl3D& o) {
  return o.AbsolutePosition().ToPoint();
}

// A pivot at the root of a viewport with a camera child at (0, 0, -60).
struct PivotWithCamera : ::testing::Test {
  TFakeViewport viewport;
  TControl3D* pivot = new TControl3D;
  TControl3D* camera = new TControl3D;
  PivotWithCamera() {
    viewport.AddChild(pivot);
    pivot->AddChild(camera);
    camera->Position().SetZ(-60);
  }
};

TEST(ReduceAngle, MapsIntoZeroTo360) {
  const struct {
    float in, out;
  } cases[] = {{-15, 345}, {0, 0}, {360, 0}, {-360, 0}, {725, 5}, {-90, 270}, {359.5f, 359.5f}};
  for (const auto& c : cases)
    EXPECT_NEAR(ReduceAngle(c.in), c.out, 1e-4) << c.in;
}

TEST_F(PivotWithCamera, NegativeAngleTurnsByItsReductionAndCarriesTheChild) {
  pivot->RotationAngle().SetX(-15);
  EXPECT_FLOAT_EQ(pivot->RotationAngle().X(), 345);
  EXPECT_FLOAT_EQ(pivot->SavedRotationAngle().X, -15);
  ExpectNear(Origin(*camera), {0, -15.529f, -57.956f});

  // The Y turn is about the pivot's own, already tilted, Y axis.
  pivot->RotationAngle().SetY(90);
  ExpectNear(Origin(*camera), {-60, 0, 0});
}

TEST_F(PivotWithCamera, FullTurnFromSavedZeroDoesNothing) {
  const int before = viewport.RenderRequests;
  pivot->RotationAngle().SetX(360);
  EXPECT_EQ(pivot->RotationAngle().X(), 360);  // not reduced: nothing was applied
  EXPECT_EQ(pivot->Quaternion(), TQuaternion3D::Identity());
  EXPECT_EQ(viewport.RenderRequests, before);
}

TEST_F(PivotWithCamera, WritingTheHeldValueDoesNothingAtAll) {
  pivot->RotationAngle().SetX(30);
  const TMatrix3D matrix = pivot->LocalMatrix();
  const int before = viewport.RenderRequests;
  pivot->RotationAngle().SetX(30);
  pivot->Position().SetZ(0);
  camera->Position().SetZ(-60);
  EXPECT_EQ(viewport.RenderRequests, before);
  EXPECT_EQ(pivot->LocalMatrix(), matrix);
}

TEST_F(PivotWithCamera, ZeroingAllAnglesResetsTheOrientation) {
  // A few drag steps about both axes.
  for (int i = 1; i <= 5; ++i) {
    pivot->RotationAngle().SetX(pivot->RotationAngle().X() + 7);
    pivot->RotationAngle().SetY(pivot->RotationAngle().Y() - 11);
  }
  pivot->RotationAngle().SetX(0);
  pivot->RotationAngle().SetY(0);
  EXPECT_EQ(pivot->Quaternion(), TQuaternion3D::Identity());
  EXPECT_EQ(pivot->SavedRotationAngle(), (TPoint3D{0, 0, 0}));
  ExpectNear(Origin(*camera), {0, 0, -60});

  pivot->RotationAngle().SetY(-90);  // exactly a turn by 270 about Y
  EXPECT_FLOAT_EQ(pivot->RotationAngle().Y(), 270);
  ExpectNear(Origin(*camera), {60, 0, 0});
}

TEST_F(PivotWithCamera, ResetHappensInTheXWriteWhenYIsAlreadyZero) {
  pivot->RotationAngle().SetX(40);
  pivot->RotationAngle().SetX(0);
  EXPECT_EQ(pivot->Quaternion(), TQuaternion3D::Identity());
}

TEST_F(PivotWithCamera, TinyAngleResetsButIsRememberedAsWritten) {
  pivot->RotationAngle().SetX(0.00005f);
  EXPECT_EQ(pivot->Quaternion(), TQuaternion3D::Identity());
  EXPECT_FLOAT_EQ(pivot->SavedRotationAngle().X, 0.00005f);
  ExpectNear(Origin(*camera), {0, 0, -60}, 1e-6f);
}

TEST_F(PivotWithCamera, ResetRotationAngleClearsEverything) {
  pivot->RotationAngle().SetX(20);
  pivot->RotationAngle().SetY(50);
  pivot->ResetRotationAngle();
  EXPECT_EQ(pivot->Quaternion(), TQuaternion3D::Identity());
  EXPECT_EQ(pivot->RotationAngle().Point(), (TPoint3D{0, 0, 0}));
  EXPECT_EQ(pivot->SavedRotationAngle(), (TPoint3D{0, 0, 0}));
  ExpectNear(Origin(*camera), {0, 0, -60});
}

TEST(Moon, TurnsAboutItsRotationCentre) {
  const struct {
    float angle;
    TPoint3D centre;
    float readBack;
  } cases[] = {{90, {0, 0, -12}, 90},
               {45, {8.485f, 0, -8.485f}, 45},
               {-90, {0, 0, 12}, 270},
               {180, {-12, 0, 0}, 180}};
  for (const auto& c : cases) {
    TFakeViewport viewport;
    auto* moon = new TControl3D;
    viewport.AddChild(moon);
    moon->Position().SetX(12);
    moon->RotationCenter().SetX(-12);
    moon->RotationAngle().SetY(c.angle);
    ExpectNear(Origin(*moon), c.centre);
    EXPECT_FLOAT_EQ(moon->RotationAngle().Y(), c.readBack);
  }
}

TEST(Moon, TurnsInPlaceWithoutARotationCentre) {
  TControl3D moon;
  moon.Position().SetX(12);
  moon.RotationAngle().SetY(90);
  ExpectNear(Origin(moon), {12, 0, 0});
}

TEST(LocalMatrix, NearIdentityFactorsAreLeftOut) {
  const struct {
    TPoint3D position, scale;
    TPoint3D expectedOrigin, expectedXAxis;
  } cases[] = {
      {{0.0005f, 0, 0}, {1, 1, 1}, {0, 0, 0}, {1, 0, 0}},
      {{0.002f, 0, 0}, {1, 1, 1}, {0.002f, 0, 0}, {1, 0, 0}},
      {{0, 0, 0}, {1.00005f, 1, 1}, {0, 0, 0}, {1, 0, 0}},
      {{0, 0, 0}, {1.0002f, 1, 1}, {0, 0, 0}, {1.0002f, 0, 0}},
  };
  for (const auto& c : cases) {
    TControl3D o;
    o.Position().SetPoint(c.position);
    o.Scale().SetPoint(c.scale);
    EXPECT_EQ(o.AbsolutePosition().ToPoint(), c.expectedOrigin);
    EXPECT_EQ(o.AbsoluteLeft().ToPoint(), c.expectedXAxis);
  }
}

TEST(LocalMatrix, ChildrenFollowTheParentLazily) {
  TFakeViewport viewport;
  auto* planet = new TControl3D;
  auto* rings = new TControl3D;
  viewport.AddChild(planet);
  planet->AddChild(rings);
  rings->Scale().SetPoint({2.2f, 2.2f, 2.2f});
  planet->Scale().SetPoint({10, 10, 10});
  EXPECT_TRUE(rings->AbsoluteIsStale());
  EXPECT_NEAR(rings->AbsoluteLeft().X, 22, 1e-4);

  // The size of an object belongs to no matrix.
  const TMatrix3D before = rings->AbsoluteMatrix();
  planet->SetWidth(3);
  EXPECT_EQ(rings->AbsoluteMatrix(), before);
  EXPECT_EQ(planet->LocalMatrix(), TMatrix3D::Scaling({10, 10, 10}));

  // The inverse comes with the absolute matrix.
  const TPoint3D p{1, 2, 3};
  ExpectNear(rings->AbsoluteToLocal3D(rings->LocalToAbsolute3D(p)), p, 1e-5f);
}

TEST(LocalMatrix, SingularMatrixInvertsToIdentity) {
  TControl3D flat;
  flat.Scale().SetPoint({1, 0, 1});
  EXPECT_EQ(flat.InvertAbsoluteMatrix(), TMatrix3D::Identity());
}

TEST(Quanternion, ReadsTheStoredTextIntoTheOrientationOnly) {
  TControl3D moon;
  moon.ReadQuanternion("(0,0.70710676908493,0,-0.707106709480286)");
  EXPECT_EQ(moon.RotationAngle().Point(), (TPoint3D{0, 0, 0}));  // nothing else touched
  // The same turn as 270 degrees about Y: (1, 0, 0) goes to (0, 0, 1).
  const TPoint3D turned = TransformPoint({1, 0, 0}, moon.Quaternion().ToMatrix());
  ExpectNear(turned, {0, 0, 1}, 1e-6f);
}

TEST(Quanternion, StopsAtTheFirstBadPiece) {
  const struct {
    const char* text;
    TQuaternion3D expected;
  } cases[] = {
      {"(0.5,abc,0.25,0.75)", {{0.5f, 0, 0}, 1}},
      {"(0.5,0.1", {{0.5f, 0.1f, 0}, 1}},
      {"", {{0, 0, 0}, 1}},
      {"junk(0.1,0.2,0.3,0.4)", {{0.1f, 0.2f, 0.3f}, 0.4f}},
      {"(0,-2.75337548316656E-8,0,1)", {{0, -2.75337548316656E-8f, 0}, 1}},
      // What no single holds is not read, like any other bad piece.
      {"(0.5,-2.75E58,0.25,0.75)", {{0.5f, 0, 0}, 1}},
      {"(0.5,inf,0.25,0.75)", {{0.5f, 0, 0}, 1}},
      {"(0.5,0.1,nan,0.75)", {{0.5f, 0.1f, 0}, 1}},
      {"(0.5,0.1,0.2,3.4028234e38)", {{0.5f, 0.1f, 0.2f}, 3.4028234e38f}},
  };
  for (const auto& c : cases) {
    TControl3D o;
    o.ReadQuanternion(c.text);
    EXPECT_EQ(o.Quaternion(), c.expected) << c.text;
  }
}

TEST(Quanternion, WritesFifteenSignificantDigits) {
  TControl3D moon;
  moon.RotationAngle().SetY(45);
  EXPECT_TRUE(moon.HasStoredQuanternion());
  EXPECT_EQ(moon.QuanternionText(), "(0,0.382683455944061,0,0.923879504203796)");

  TControl3D read;
  read.ReadQuanternion("(0,-2.75337548316656E-8,0,1)");
  EXPECT_EQ(read.QuanternionText(), "(0,-2.75337548316656E-8,0,1)");
  EXPECT_FALSE(TControl3D().HasStoredQuanternion());
}

}  // namespace
}  // namespace scene
