#include "scene/math/Matrix3D.h"

#include <cmath>

namespace scene {

TMatrix3D TMatrix3D::Zero() {
  TMatrix3D z;
  z.m11 = z.m22 = z.m33 = z.m44 = 0;
  return z;
}

TMatrix3D TMatrix3D::Translation(const TPoint3D& t) {
  TMatrix3D m;
  m.m41 = t.X;
  m.m42 = t.Y;
  m.m43 = t.Z;
  return m;
}

TMatrix3D TMatrix3D::Scaling(const TPoint3D& s) {
  TMatrix3D m;
  m.m11 = s.X;
  m.m22 = s.Y;
  m.m33 = s.Z;
  return m;
}

TMatrix3D TMatrix3D::operator*(const TMatrix3D& b) const {
  TMatrix3D r = Zero();
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      float s = 0;
      for (int k = 0; k < 4; ++k)
        s += At(i, k) * b.At(k, j);
      r.At(i, j) = s;
    }
  return r;
}

TMatrix3D TMatrix3D::Transposed() const {
  TMatrix3D r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      r.At(i, j) = At(j, i);
  return r;
}

namespace {

float Det3(float a1, float a2, float a3, float b1, float b2, float b3, float c1, float c2,
           float c3) {
  return a1 * (b2 * c3 - b3 * c2) - b1 * (a2 * c3 - a3 * c2) + c1 * (a2 * b3 - a3 * b2);
}

// Cofactor of element (row, col): signed determinant of the 3 x 3 minor.
float Cofactor(const TMatrix3D& m, int row, int col) {
  float v[9];
  int n = 0;
  for (int i = 0; i < 4; ++i) {
    if (i == row) continue;
    for (int j = 0; j < 4; ++j) {
      if (j == col) continue;
      v[n++] = m.At(i, j);
    }
  }
  const float minor = Det3(v[0], v[3], v[6], v[1], v[4], v[7], v[2], v[5], v[8]);
  return ((row + col) % 2 == 0) ? minor : -minor;
}

}  // namespace

float TMatrix3D::Determinant() const {
  float det = 0;
  for (int j = 0; j < 4; ++j)
    det += At(0, j) * Cofactor(*this, 0, j);
  return det;
}

TMatrix3D TMatrix3D::Inverse() const {
  const float det = Determinant();
  constexpr float kEpsilon = 1E-40f;
  if (std::isnan(det) || std::fabs(det) < kEpsilon) return Identity();
  TMatrix3D r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      r.At(j, i) = Cofactor(*this, i, j) / det;  // adjugate / det
  return r;
}

TVector3D Transform(const TVector3D& v, const TMatrix3D& m) {
  return {v.X * m.m11 + v.Y * m.m21 + v.Z * m.m31 + v.W * m.m41,
          v.X * m.m12 + v.Y * m.m22 + v.Z * m.m32 + v.W * m.m42,
          v.X * m.m13 + v.Y * m.m23 + v.Z * m.m33 + v.W * m.m43,
          v.X * m.m14 + v.Y * m.m24 + v.Z * m.m34 + v.W * m.m44};
}

TPoint3D TransformPoint(const TPoint3D& p, const TMatrix3D& m) {
  return Transform(TVector3D{p.X, p.Y, p.Z, 1}, m).ToPoint();
}

}  // namespace scene
