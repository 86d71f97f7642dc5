// 4 x 4 single-precision matrix acting on row vectors: p' = p * M, translation in m41..m43.
// In a product A * B, A acts first.
#pragma once

#include "scene/math/Point3D.h"

namespace scene {

struct TMatrix3D {
  float m11 = 1, m12 = 0, m13 = 0, m14 = 0;
  float m21 = 0, m22 = 1, m23 = 0, m24 = 0;
  float m31 = 0, m32 = 0, m33 = 1, m34 = 0;
  float m41 = 0, m42 = 0, m43 = 0, m44 = 1;

  static TMatrix3D Identity() { return {}; }
  static TMatrix3D Zero();
  static TMatrix3D Translation(const TPoint3D& t);
  static TMatrix3D Scaling(const TPoint3D& s);

  float& At(int row, int col) { return (&m11)[row * 4 + col]; }
  float At(int row, int col) const { return (&m11)[row * 4 + col]; }

  // Row r (0-based) as a vector: rows 0..3 are the X axis, Y axis, Z axis and origin.
  TVector3D Row(int r) const { return {At(r, 0), At(r, 1), At(r, 2), At(r, 3)}; }

  TMatrix3D operator*(const TMatrix3D& b) const;
  friend bool operator==(const TMatrix3D&, const TMatrix3D&) = default;

  TMatrix3D Transposed() const;
  float Determinant() const;
  // Adjugate over the determinant; the identity when |det| < 1E-40 (as a single) or det is NaN.
  TMatrix3D Inverse() const;
};

// p * M with p = (x, y, z, 1); the W of the result is kept, not divided out.
TVector3D Transform(const TVector3D& v, const TMatrix3D& m);
// (x, y, z, 1) * M, returning x, y, z of the product.
TPoint3D TransformPoint(const TPoint3D& p, const TMatrix3D& m);

}  // namespace scene
