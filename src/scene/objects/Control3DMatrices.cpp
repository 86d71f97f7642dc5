// The absolute matrices of a 3D object, recomputed at the first read after the object or an
// ancestor moved, and the conversions between the object's local frame and the scene's.
#include "scene/objects/Control3D.h"

namespace scene {

void TControl3D::MarkAbsoluteStale() {
  // A stale object never has an up-to-date descendant (reading a child brings its ancestors up
  // to date first), so the walk can stop at an object that is already stale.
  if (FRecalcAbsolute) return;
  FRecalcAbsolute = true;
  for (TSceneNode* child : Children())
    if (auto* c = As3DObject(child)) c->MarkAbsoluteStale();
}

const TMatrix3D& TControl3D::AbsoluteMatrix() const {
  if (FRecalcAbsolute) {
    FAbsoluteMatrix = FParent3D ? FLocalMatrix * FParent3D->AbsoluteMatrix() : FLocalMatrix;
    FInvAbsoluteMatrix = FAbsoluteMatrix.Inverse();
    FRecalcAbsolute = false;
  }
  return FAbsoluteMatrix;
}

const TMatrix3D& TControl3D::InvertAbsoluteMatrix() const {
  AbsoluteMatrix();
  return FInvAbsoluteMatrix;
}

TPoint3D TControl3D::LocalToAbsolute3D(const TPoint3D& p) const {
  return TransformPoint(p, AbsoluteMatrix());
}

TPoint3D TControl3D::AbsoluteToLocal3D(const TPoint3D& p) const {
  return TransformPoint(p, InvertAbsoluteMatrix());
}

TVector3D TControl3D::LocalToAbsoluteVector(const TVector3D& v) const {
  return Transform(v, AbsoluteMatrix());
}

TVector3D TControl3D::LocalToAbsoluteDirection(const TVector3D& v) const {
  const TPoint3D d = Normalize(Transform({v.X, v.Y, v.Z, 0}, AbsoluteMatrix()).ToPoint());
  return {d.X, d.Y, d.Z, 0};
}

TVector3D TControl3D::AbsoluteToLocalDirection(const TVector3D& v) const {
  const TPoint3D d = Normalize(Transform({v.X, v.Y, v.Z, 0}, InvertAbsoluteMatrix()).ToPoint());
  return {d.X, d.Y, d.Z, 0};
}

}  // namespace scene
