// Orientation quaternion of the scene runtime: ImagPart (x, y, z) and RealPart (w).
#pragma once

#include "scene/math/Matrix3D.h"
#include "scene/math/Point3D.h"

namespace scene {

struct TQuaternion3D {
  TPoint3D ImagPart{0, 0, 0};
  float RealPart = 1;

  static TQuaternion3D Identity() { return {}; }
  friend bool operator==(const TQuaternion3D&, const TQuaternion3D&) = default;

  // The turn by `degrees` about `axis`; the identity when the axis has no length.
  static TQuaternion3D FromAxisAngle(const TPoint3D& axis, float degrees);

  // Hamilton product; with row vectors, *this acts after b.
  TQuaternion3D operator*(const TQuaternion3D& b) const;

  // Rotation matrix of the normalised copy (identity for a length of 1E-30 or less).
  TMatrix3D ToMatrix() const;
};

}  // namespace scene
