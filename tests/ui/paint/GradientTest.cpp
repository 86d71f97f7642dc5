// The colours of a gradient along its line: each channel between the two points around an
// offset, the end colours beyond the ends.
#include <gtest/gtest.h>

#include <limits>

#include "ui/paint/Fill.h"

namespace ui {
namespace {

TEST(Gradient, ColourAtAnOffset) {
  const TGradient twoStops{{{0xFF244477, 0}, {0xFF14141E, 1}}};
  const TGradient threeStops{{{0x00000000, 0.25f}, {0xFF808080, 0.5f}, {0xFFFF0000, 0.5f}}};
  const TGradient none;
  const struct {
    const char* name;
    const TGradient& gradient;
    float offset;
    scene::TAlphaColor expected;
  } cases[] = {
      {"start", twoStops, 0, 0xFF244477},
      {"stop", twoStops, 1, 0xFF14141E},
      // 0x24 + (0x14 - 0x24) / 2 = 0x1C, 0x44 - 0x18 = 0x2C, 0x77 + (0x1E - 0x77) / 2 = 0x4A.5
      {"middle", twoStops, 0.5f, 0xFF1C2C4B},
      {"before the start", twoStops, -3, 0xFF244477},
      {"past the stop", twoStops, 7, 0xFF14141E},
      {"not a number", twoStops, std::numeric_limits<float>::quiet_NaN(), 0xFF244477},
      {"the first point holds before it", threeStops, 0.1f, 0x00000000},
      {"alpha interpolated too", threeStops, 0.375f, 0x80404040},
      // Two points at one offset: the first colour up to it, the second past it.
      {"at a step", threeStops, 0.5f, 0xFF808080},
      {"past a step", threeStops, 0.75f, 0xFFFF0000},
      {"no points", none, 0.5f, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.gradient.ColorAt(c.offset), c.expected) << c.name;
}

}  // namespace
}  // namespace ui
