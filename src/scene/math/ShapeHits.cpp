#include "scene/math/ShapeHits.h"

#include <cmath>

namespace scene {

std::optional<float> EllipsoidHit(const TPickRay& ray, const TPoint3D& halfAxes) {
  if (std::fabs(halfAxes.X) <= FlatHalfAxis || std::fabs(halfAxes.Y) <= FlatHalfAxis ||
      std::fabs(halfAxes.Z) <= FlatHalfAxis)
    return std::nullopt;
  // Scale the ellipsoid to the unit sphere and solve |o + t d|^2 = 1 in double precision:
  // rays from far away at small bodies would lose the root in single precision.
  const double ox = ray.Origin.X / halfAxes.X, oy = ray.Origin.Y / halfAxes.Y,
               oz = ray.Origin.Z / halfAxes.Z;
  const double dx = ray.Direction.X / halfAxes.X, dy = ray.Direction.Y / halfAxes.Y,
               dz = ray.Direction.Z / halfAxes.Z;
  const double a = dx * dx + dy * dy + dz * dz;
  const double b = ox * dx + oy * dy + oz * dz;
  const double c = ox * ox + oy * oy + oz * oz - 1;
  if (!(a > 0)) return std::nullopt;  // no direction (or not a number)
  const double discriminant = b * b - a * c;
  if (!(discriminant >= 0)) return std::nullopt;
  const double root = std::sqrt(discriminant);
  const double entry = (-b - root) / a, exit = (-b + root) / a;
  if (entry > 0) return static_cast<float>(entry);
  if (exit > 0) return static_cast<float>(exit);
  return std::nullopt;
}

std::optional<float> EllipseHit(const TPickRay& ray, float a, float b) {
  // The plane's normal is (0, -1, 0); a ray along it is not parallel.
  const float along = -ray.Direction.Y;
  if (!(std::fabs(along) > 1e-30f)) return std::nullopt;
  const float t = ray.Origin.Y / ray.Direction.Y * -1.0f;
  if (!(t > 0)) return std::nullopt;
  const TPoint3D p = PointAt(ray, t);
  const float ha = a / 2, hb = b / 2;
  if (!(std::fabs(p.X) < ha && std::fabs(p.Z) < hb)) return std::nullopt;
  const float u = p.X / ha, v = p.Z / hb;
  if (!(u * u + v * v <= 1)) return std::nullopt;
  return t;
}

}  // namespace scene
