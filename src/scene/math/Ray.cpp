#include "scene/math/Ray.h"

namespace scene {

TPickRay ToLocal(const TPickRay& ray, const TMatrix3D& inverse) {
  const TVector3D origin = Transform({ray.Origin.X, ray.Origin.Y, ray.Origin.Z, 1}, inverse);
  const TVector3D direction =
      Transform({ray.Direction.X, ray.Direction.Y, ray.Direction.Z, 0}, inverse);
  return {origin.ToPoint(), direction.ToPoint()};
}

}  // namespace scene
