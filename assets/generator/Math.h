// Small vector and colour helpers shared by the texture generators.
#pragma once

#include <algorithm>
#include <cmath>

namespace assets::gen {

inline constexpr float Pi = 3.14159265358979f;
inline constexpr float TwoPi = 6.28318530717959f;

struct TVec3 {
  float X = 0, Y = 0, Z = 0;
};

inline TVec3 operator+(TVec3 a, TVec3 b) {
  return {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}
inline TVec3 operator-(TVec3 a, TVec3 b) {
  return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}
inline TVec3 operator*(TVec3 a, float s) {
  return {a.X * s, a.Y * s, a.Z * s};
}
inline TVec3 operator*(float s, TVec3 a) {
  return a * s;
}
inline float Dot(TVec3 a, TVec3 b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
inline TVec3 Cross(TVec3 a, TVec3 b) {
  return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}
inline float Length(TVec3 a) {
  return std::sqrt(Dot(a, a));
}
inline TVec3 Normalize(TVec3 a) {
  const float len = Length(a);
  return len > 0 ? a * (1.0f / len) : a;
}

// Linear RGB colour (or sRGB-encoded, as the caller decides); components nominally 0..1.
struct TColor {
  float R = 0, G = 0, B = 0;
};

inline TColor operator+(TColor a, TColor b) {
  return {a.R + b.R, a.G + b.G, a.B + b.B};
}
inline TColor operator-(TColor a, TColor b) {
  return {a.R - b.R, a.G - b.G, a.B - b.B};
}
inline TColor operator*(TColor a, float s) {
  return {a.R * s, a.G * s, a.B * s};
}
inline TColor operator*(float s, TColor a) {
  return a * s;
}
inline TColor operator*(TColor a, TColor b) {
  return {a.R * b.R, a.G * b.G, a.B * b.B};
}

inline float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}
inline float Lerp(float a, float b, float t) {
  return a + (b - a) * t;
}
inline TColor Lerp(TColor a, TColor b, float t) {
  return a + (b - a) * t;
}
inline float SmoothStep(float e0, float e1, float x) {
  const float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

// Colour written as 0xRRGGBB in sRGB, returned sRGB-encoded 0..1.
inline TColor Hex(unsigned rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f};
}

inline float SrgbToLinear(float c) {
  return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}
inline float LinearToSrgb(float c) {
  c = Clamp01(c);
  return c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
}
inline TColor SrgbToLinear(TColor c) {
  return {SrgbToLinear(c.R), SrgbToLinear(c.G), SrgbToLinear(c.B)};
}
inline TColor LinearToSrgb(TColor c) {
  return {LinearToSrgb(c.R), LinearToSrgb(c.G), LinearToSrgb(c.B)};
}

// Signed difference of two longitudes folded into -pi..pi.
inline float WrapAngle(float a) {
  while (a > Pi)
    a -= TwoPi;
  while (a < -Pi)
    a += TwoPi;
  return a;
}

}  // namespace assets::gen
