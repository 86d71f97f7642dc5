// Single-precision points and vectors of the scene runtime.
// Points are row vectors; a TVector3D carries a fourth component W (1 for points, 0 for
// directions).
#pragma once

#include <cmath>

namespace scene {

struct TPoint3D {
  float X = 0, Y = 0, Z = 0;

  friend bool operator==(const TPoint3D&, const TPoint3D&) = default;
  TPoint3D operator+(const TPoint3D& o) const { return {X + o.X, Y + o.Y, Z + o.Z}; }
  TPoint3D operator-(const TPoint3D& o) const { return {X - o.X, Y - o.Y, Z - o.Z}; }
  TPoint3D operator-() const { return {-X, -Y, -Z}; }
  TPoint3D operator*(float k) const { return {X * k, Y * k, Z * k}; }
};

struct TVector3D {
  float X = 0, Y = 0, Z = 0, W = 1;

  friend bool operator==(const TVector3D&, const TVector3D&) = default;
  TPoint3D ToPoint() const { return {X, Y, Z}; }
};

inline float Dot(const TPoint3D& a, const TPoint3D& b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

inline TPoint3D Cross(const TPoint3D& a, const TPoint3D& b) {
  return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

inline float Length(const TPoint3D& a) {
  return std::sqrt(Dot(a, a));
}

// Divides by the length when it is greater than 0; a zero vector stays zero.
inline TPoint3D Normalize(const TPoint3D& a) {
  const float len = Length(a);
  return len > 0 ? TPoint3D{a.X / len, a.Y / len, a.Z / len} : a;
}

}  // namespace scene
