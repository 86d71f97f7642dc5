// A ray: an origin and a direction, the shape every pick and hit test works with.
#pragma once

#include "scene/math/Matrix3D.h"
#include "scene/math/Point3D.h"

namespace scene {

struct TPickRay {
  TPoint3D Origin;
  TPoint3D Direction;
};

inline TPoint3D PointAt(const TPickRay& ray, float t) {
  return ray.Origin + ray.Direction * t;
}

// The ray taken into the frame whose inverse absolute matrix is `inverse` (an object's local
// coordinates): the origin as a point, the direction as a direction, not normalised, so that
// a parameter t along it names the same point in both frames.
TPickRay ToLocal(const TPickRay& ray, const TMatrix3D& inverse);

}  // namespace scene
