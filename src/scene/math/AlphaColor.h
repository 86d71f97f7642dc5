// 32-bit colours of the scene runtime, 0xAARRGGBB, and their four-float form for shading.
#pragma once

#include <cstdint>

#include "scene/math/Point3D.h"

namespace scene {

using TAlphaColor = std::uint32_t;

constexpr TAlphaColor claNull = 0x00000000;  // transparent
constexpr TAlphaColor claBlack = 0xFF000000;
constexpr TAlphaColor claWhite = 0xFFFFFFFF;
constexpr TAlphaColor claRed = 0xFFFF0000;

// Four floats red, green, blue, alpha, each byte divided by 255 (not premultiplied).
struct TColorFloats {
  float R = 0, G = 0, B = 0, A = 0;
  friend bool operator==(const TColorFloats&, const TColorFloats&) = default;
};

constexpr TColorFloats ColorToFloats(TAlphaColor c) {
  return {static_cast<float>((c >> 16) & 0xFF) / 255.0f,
          static_cast<float>((c >> 8) & 0xFF) / 255.0f, static_cast<float>(c & 0xFF) / 255.0f,
          static_cast<float>((c >> 24) & 0xFF) / 255.0f};
}

constexpr TVector3D ColorToVector(TAlphaColor c) {
  const TColorFloats f = ColorToFloats(c);
  return {f.R, f.G, f.B, f.A};
}

}  // namespace scene
