// How a 3D object takes the pointer events the window routes to it.
#include "scene/objects/Control3D.h"

namespace scene {

bool TControl3D::RayCastIntersect(const TVector3D&, const TVector3D&, TVector3D&) const {
  return false;
}

void TControl3D::MouseDown(TMouseButton button, TShiftState shift, float x, float y,
                           const TVector3D& rayPos, const TVector3D& rayDir) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y, rayPos, rayDir);
  if (shift & ssDouble) {
    // Any button: the release that follows on this object is a double-click.
    FPressed = true;
    FDoubleClick = true;
  } else if (button == mbLeft) {
    FPressed = true;
  }
}

void TControl3D::MouseMove(TShiftState shift, float x, float y, const TVector3D& rayPos,
                           const TVector3D& rayDir) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y, rayPos, rayDir);
}

void TControl3D::MouseUp(TMouseButton button, TShiftState shift, float x, float y,
                         const TVector3D& rayPos, const TVector3D& rayDir) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y, rayPos, rayDir);
}

void TControl3D::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  if (OnMouseWheel) OnMouseWheel(*this, shift, wheelDelta, handled);
}

namespace {

// The ray as the handlers take it: a point (w 1) and a direction (w 0); both the default
// vector when the object is in no view.
TVector3D RayPoint(const TPointerEvent& e) {
  return e.Ray ? TVector3D{e.Ray->Origin.X, e.Ray->Origin.Y, e.Ray->Origin.Z, 1} : TVector3D{};
}

TVector3D RayDirection(const TPointerEvent& e) {
  return e.Ray ? TVector3D{e.Ray->Direction.X, e.Ray->Direction.Y, e.Ray->Direction.Z, 0}
               : TVector3D{};
}

}  // namespace

TPointerEvent TControl3D::PointerEventAt(float clientX, float clientY) {
  TPointerEvent e;
  TPickRay ray;
  if (FViewport && FViewport->PointAndRayAt(clientX, clientY, FProjection, e.X, e.Y, ray))
    e.Ray = ToLocal(ray, InvertAbsoluteMatrix());
  return e;
}

void TControl3D::PointerDown(const TPointerEvent& e) {
  MouseDown(e.Button, e.Shift, e.X, e.Y, RayPoint(e), RayDirection(e));
}

void TControl3D::PointerMove(const TPointerEvent& e) {
  MouseMove(e.Shift, e.X, e.Y, RayPoint(e), RayDirection(e));
}

void TControl3D::PointerUp(const TPointerEvent& e) {
  MouseUp(e.Button, e.Shift, e.X, e.Y, RayPoint(e), RayDirection(e));
}

void TControl3D::ReleaseClick() {
  if (!FPressed || !FIsMouseOver) return;
  const bool doubleClick = FDoubleClick;
  FPressed = false;
  FDoubleClick = false;
  if (doubleClick) {
    if (OnDblClick) OnDblClick(*this);
  } else if (OnClick) {
    OnClick(*this);
  }
}

}  // namespace scene
