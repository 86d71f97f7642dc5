#include "scene/math/Quaternion3D.h"

#include <cmath>
#include <numbers>

namespace scene {

TQuaternion3D TQuaternion3D::FromAxisAngle(const TPoint3D& axis, float degrees) {
  const float theta = degrees * (std::numbers::pi_v<float> / 180.0f);
  const float len = Length(axis);
  if (!(len > 0)) return Identity();
  const float s = static_cast<float>(std::sin(theta / 2.0f)) / len;
  return {{axis.X * s, axis.Y * s, axis.Z * s}, static_cast<float>(std::cos(theta / 2.0f))};
}

TQuaternion3D TQuaternion3D::operator*(const TQuaternion3D& b) const {
  const float ax = ImagPart.X, ay = ImagPart.Y, az = ImagPart.Z, aw = RealPart;
  const float bx = b.ImagPart.X, by = b.ImagPart.Y, bz = b.ImagPart.Z, bw = b.RealPart;
  return {{aw * bx + ax * bw + ay * bz - az * by, aw * by + ay * bw + az * bx - ax * bz,
           aw * bz + az * bw + ax * by - ay * bx},
          aw * bw - ax * bx - ay * by - az * bz};
}

TMatrix3D TQuaternion3D::ToMatrix() const {
  float x = ImagPart.X, y = ImagPart.Y, z = ImagPart.Z, w = RealPart;
  const float n = std::sqrt(w * w + x * x + y * y + z * z);
  if (n <= 1E-30f) {
    x = y = z = 0;
    w = 1;
  } else {
    x /= n;
    y /= n;
    z /= n;
    w /= n;
  }
  TMatrix3D m;
  m.m11 = 1 - 2 * (y * y + z * z);
  m.m12 = 2 * (x * y + z * w);
  m.m13 = 2 * (x * z - y * w);
  m.m21 = 2 * (x * y - z * w);
  m.m22 = 1 - 2 * (x * x + z * z);
  m.m23 = 2 * (y * z + x * w);
  m.m31 = 2 * (x * z + y * w);
  m.m32 = 2 * (y * z - x * w);
  m.m33 = 1 - 2 * (x * x + y * y);
  return m;
}

}  // namespace scene
