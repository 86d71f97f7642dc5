// An 8-bit RGBA picture in memory (straight alpha, rows top to bottom) and the sphere grid of
// an equirectangular map.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "Math.h"

namespace assets::gen {

class TImage {
 public:
  TImage() = default;
  TImage(int width, int height) : FWidth(width), FHeight(height), FPixels(width * height * 4) {}

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  std::uint8_t* Row(int y) { return FPixels.data() + static_cast<std::size_t>(y) * FWidth * 4; }
  const std::uint8_t* Row(int y) const {
    return FPixels.data() + static_cast<std::size_t>(y) * FWidth * 4;
  }
  std::vector<std::uint8_t>& Pixels() { return FPixels; }
  const std::vector<std::uint8_t>& Pixels() const { return FPixels; }

  // Stores an sRGB-encoded colour (0..1) with a tiny ordered dither so smooth gradients do
  // not band when quantised to 8 bits.
  void Put(int x, int y, TColor srgb, float alpha = 1.0f) {
    static constexpr float Bayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const float d = (Bayer[y & 3][x & 3] + 0.5f) / 16.0f;
    std::uint8_t* p = Row(y) + x * 4;
    p[0] = Quantise(srgb.R, d);
    p[1] = Quantise(srgb.G, d);
    p[2] = Quantise(srgb.B, d);
    p[3] = Quantise(alpha, 0.5f);
  }

  // Bilinear sample as sRGB colour and alpha (0..1); u wraps when `wrapU`, v is clamped.
  TColor Sample(float u, float v, bool wrapU, float* alpha = nullptr) const;

 private:
  static std::uint8_t Quantise(float c, float dither) {
    const float v = std::floor(Clamp01(c) * 255.0f + dither);
    return static_cast<std::uint8_t>(std::clamp(v, 0.0f, 255.0f));
  }

  int FWidth = 0;
  int FHeight = 0;
  std::vector<std::uint8_t> FPixels;
};

// Latitude and longitude of every row and column of an equirectangular map. Row 0 is the
// top; the map's left and right edges are the half-meridian at +X, u grows towards +Z, and the
// top row is the pole at -Y (the top of the picture on screen).
class TSphereGrid {
 public:
  TSphereGrid(int width, int height);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  float Latitude(int y) const { return FLat[y]; }   // -pi/2 at the top, +pi/2 at the bottom
  float Longitude(int x) const { return FLon[x]; }  // 0..2 pi, 0 at u = 0
  TVec3 Dir(int x, int y) const {
    return {FCosLat[y] * FCosLon[x], FSinLat[y], FCosLat[y] * FSinLon[x]};
  }
  static TVec3 DirOf(float latitude, float longitude) {
    const float c = std::cos(latitude);
    return {c * std::cos(longitude), std::sin(latitude), c * std::sin(longitude)};
  }
  // The map column of a longitude in radians and the row of a latitude, as real numbers.
  float ColumnOf(float longitude) const;
  float RowOf(float latitude) const;

 private:
  int FWidth, FHeight;
  std::vector<float> FLat, FLon, FCosLat, FSinLat, FCosLon, FSinLon;
};

}  // namespace assets::gen
