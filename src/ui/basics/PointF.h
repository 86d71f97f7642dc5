// Points and rectangles of the 2D layer, in window units.
#pragma once

#include <cmath>

namespace ui {

// Rounds to the nearest integer, halves to even (pixel sizes from window units).
inline int RoundHalfEven(double v) {
  // nearbyint rounds in the current mode, which is to nearest with ties to even.
  return static_cast<int>(std::nearbyint(v));
}

struct TPointF {
  float X = 0, Y = 0;
  friend bool operator==(const TPointF&, const TPointF&) = default;
};

struct TWindowRect {
  float Left = 0, Top = 0, Right = 0, Bottom = 0;
  float Width() const { return Right - Left; }
  float Height() const { return Bottom - Top; }
  friend bool operator==(const TWindowRect&, const TWindowRect&) = default;
};

}  // namespace ui
