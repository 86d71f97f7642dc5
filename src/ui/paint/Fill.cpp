#include "ui/paint/Fill.h"

#include <cmath>
#include <cstdint>

namespace ui {

namespace {
std::uint32_t Mix(scene::TAlphaColor a, scene::TAlphaColor b, float t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const float x = static_cast<float>((a >> shift) & 0xFF);
    const float y = static_cast<float>((b >> shift) & 0xFF);
    out |= static_cast<std::uint32_t>(std::lround(x + (y - x) * t)) << shift;
  }
  return out;
}
}  // namespace

scene::TAlphaColor TGradient::ColorAt(float offset) const {
  if (Points.empty()) return 0;
  if (!(offset > Points.front().Offset)) return Points.front().Color;
  for (size_t i = 1; i < Points.size(); ++i) {
    const TGradientPoint &a = Points[i - 1], &b = Points[i];
    if (offset > b.Offset) continue;
    const float span = b.Offset - a.Offset;
    return span > 0 ? Mix(a.Color, b.Color, (offset - a.Offset) / span) : b.Color;
  }
  return Points.back().Color;
}

}  // namespace ui
