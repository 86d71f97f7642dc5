// Multiplying straight-alpha colours by their alpha, the way every picture of the scene is
// prepared for its texture: each colour channel becomes round(c * a / 255).
#pragma once

#include <cstdint>

namespace scene {

// Premultiplies one row of `width` RGBA pixels in place; returns whether all were opaque.
inline bool PremultiplyRow(std::uint8_t* p, int width) {
  bool opaque = true;
  for (int x = 0; x < width; ++x, p += 4) {
    const unsigned a = p[3];
    if (a == 255) continue;
    opaque = false;
    for (int c = 0; c < 3; ++c) {
      const unsigned v = p[c] * a + 128;  // rounded division by 255
      p[c] = static_cast<std::uint8_t>((v + (v >> 8)) >> 8);
    }
  }
  return opaque;
}

}  // namespace scene
