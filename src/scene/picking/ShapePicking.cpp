// The shapes of spheres and disks as picking sees them: exact, chosen by WrapMode from the
// object's size, in its local coordinates.
#include <algorithm>

#include "scene/objects/Disk.h"
#include "scene/objects/Sphere.h"
#include "scene/picking/ShapeHits.h"

namespace scene {

namespace {

bool ToScene(const TControl3D& object, const TPickRay& local, std::optional<float> t,
             TVector3D& intersection) {
  if (!t) return false;
  const TPoint3D p = TransformPoint(PointAt(local, *t), object.AbsoluteMatrix());
  intersection = {p.X, p.Y, p.Z, 1};
  return true;
}

}  // namespace

bool TSphere::RayCastIntersect(const TVector3D& rayPos, const TVector3D& rayDir,
                               TVector3D& intersection) const {
  TPoint3D halfAxes;
  switch (WrapMode()) {
    case TMeshWrapMode::Original:
    case TMeshWrapMode::Stretch:
      halfAxes = {Width() / 2, Height() / 2, Depth() / 2};
      break;
    case TMeshWrapMode::Fit: {
      const float r = std::min({Width(), Height(), Depth()}) / 2;
      halfAxes = {r, r, r};
      break;
    }
    case TMeshWrapMode::Resize:
      halfAxes = {0.5f, 0.5f, 0.5f};
      break;
  }
  const TPickRay local{rayPos.ToPoint(), rayDir.ToPoint()};
  return ToScene(*this, local, EllipsoidHit(local, halfAxes), intersection);
}

bool TDisk::RayCastIntersect(const TVector3D& rayPos, const TVector3D& rayDir,
                             TVector3D& intersection) const {
  float a = 1, b = 1;
  switch (WrapMode()) {
    case TMeshWrapMode::Original:
    case TMeshWrapMode::Stretch:
      a = Width();
      b = Depth();
      break;
    case TMeshWrapMode::Fit:
      a = b = std::min(Width(), Depth());
      break;
    case TMeshWrapMode::Resize:
      break;
  }
  const TPickRay local{rayPos.ToPoint(), rayDir.ToPoint()};
  return ToScene(*this, local, EllipseHit(local, a, b), intersection);
}

}  // namespace scene
