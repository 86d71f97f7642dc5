#include "scene/objects/Camera.h"

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

// A row taken as a point: divided by its fourth component unless that is within 0.0001 of 0.
TPoint3D RowPoint(const TVector3D& v) {
  if (std::fabs(v.W) <= 0.0001f) return v.ToPoint();
  return {v.X / v.W, v.Y / v.W, v.Z / v.W};
}

}  // namespace

TCamera::TCamera() {
  SetHitTest(false);
  Position().SetZ(-5);
}

TCamera::~TCamera() {
  if (FTarget) FTarget->RemoveFreeObserver(this);
}

void TCamera::SetAngleOfView(float degrees) {
  const float v = std::clamp(degrees, 1.0f, 179.0f);
  if (v == FAngleOfView) return;
  FAngleOfView = v;
  RebuildLocalMatrix();
}

void TCamera::SetTarget(TControl3D* target) {
  if (target == FTarget) return;
  if (FTarget) FTarget->RemoveFreeObserver(this);
  FTarget = target;
  if (FTarget) FTarget->AddFreeObserver(this);
  RebuildLocalMatrix();
}

void TCamera::ObservedFreed(TSceneNode* dying) {
  if (dying == FTarget) {
    FTarget = nullptr;
    Repaint();
  }
}

TMatrix3D TCamera::CameraMatrix() const {
  const TMatrix3D& a = AbsoluteMatrix();
  const TPoint3D eye = RowPoint(a.Row(3));
  const TPoint3D u = RowPoint(a.Row(1));
  const TPoint3D d = RowPoint(a.Row(2));
  const TPoint3D b = FTarget ? eye - FTarget->AbsolutePosition().ToPoint() : -d;
  const TPoint3D up = -u;
  const TPoint3D z = Normalize(b);
  const TPoint3D x = Normalize(Cross(up, z));
  const TPoint3D y = Cross(z, x);
  TMatrix3D v;
  v.m11 = x.X;
  v.m21 = x.Y;
  v.m31 = x.Z;
  v.m12 = y.X;
  v.m22 = y.Y;
  v.m32 = y.Z;
  v.m13 = z.X;
  v.m23 = z.Y;
  v.m33 = z.Z;
  v.m41 = -Dot(x, eye);
  v.m42 = -Dot(y, eye);
  v.m43 = -Dot(z, eye);
  return v;
}

const TPropertyTable& TCamera::ClassProperties() {
  static const TPropertyTable table(&TControl3D::ClassProperties(),
                                    {FloatProperty<TCamera>(
                                         "AngleOfView", [](TCamera& c) { return c.AngleOfView(); },
                                         [](TCamera& c, float v) { c.SetAngleOfView(v); }),
                                     OtherProperty("Target")});
  return table;
}

}  // namespace scene
