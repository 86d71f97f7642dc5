// How an area is filled: not at all, with one colour, or with a linear gradient.
//
// A gradient's start and stop positions are fractions of the rectangle it fills: (0, 0) its
// top-left corner, (1, 1) its bottom-right one. Colours run from the start position to the stop
// position along the line through them, each point of the area taking the colour of its
// projection on that line; before the first stop and after the last the end colours hold.
#pragma once

#include <vector>

#include "scene/math/AlphaColor.h"
#include "ui/basics/PointF.h"

namespace ui {

enum class TBrushKind { None, Solid, Gradient };

// A colour of a gradient and where on the line (0 the start, 1 the stop) it is reached.
struct TGradientPoint {
  scene::TAlphaColor Color = 0;
  float Offset = 0;
  friend bool operator==(const TGradientPoint&, const TGradientPoint&) = default;
};

struct TGradient {
  std::vector<TGradientPoint> Points;  // by rising offset
  TPointF StartPosition{0, 0};
  TPointF StopPosition{0, 1};
  friend bool operator==(const TGradient&, const TGradient&) = default;

  // The colour at `offset` along the line: each channel interpolated linearly between the two
  // points around it; the first or last colour outside them; transparent without points.
  scene::TAlphaColor ColorAt(float offset) const;
};

// A window's background.
struct TFill {
  TBrushKind Kind = TBrushKind::Solid;
  scene::TAlphaColor Color = 0xFFFFFFFF;
  TGradient Gradient;
  friend bool operator==(const TFill&, const TFill&) = default;
};

}  // namespace ui
