// Where a pick ray meets the analytic shapes of the scene's objects.
//
// Each test works in the object's local coordinates, with the ray as ToLocal gives it, and
// answers the parameter t of the hit (the point is Origin + t * Direction). Only hits strictly
// in front of the origin count (t > 0): an object behind the eye is never picked. Meshes are
// not consulted; the shapes are exact.
#pragma once

#include <optional>

#include "scene/math/Matrix3D.h"
#include "scene/math/Ray.h"

namespace scene {

// Half-axes whose absolute value is at most this are flat: nothing can hit them.
constexpr float FlatHalfAxis = 1e-30f;

// The ellipsoid about the origin with the given half-axes: the first point along the ray in
// front of its origin (the entry point, or the exit point when the origin is inside). A ray
// that only grazes it gives its touching point.
std::optional<float> EllipsoidHit(const TPickRay& ray, const TPoint3D& halfAxes);

// The ellipse of half-axes a (along X) and b (along Z) in the plane y = 0: the plane point,
// when the ray is not parallel to the plane, the point lies strictly in front of the origin
// and inside the ellipse (edge included).
std::optional<float> EllipseHit(const TPickRay& ray, float a, float b);

// The hit at parameter t of a ray local to an object whose absolute matrix is `absolute`, in
// scene coordinates.
inline bool HitInScene(const TMatrix3D& absolute, const TPickRay& local, std::optional<float> t,
                       TVector3D& intersection) {
  if (!t) return false;
  const TPoint3D p = TransformPoint(PointAt(local, *t), absolute);
  intersection = {p.X, p.Y, p.Z, 1};
  return true;
}

}  // namespace scene
