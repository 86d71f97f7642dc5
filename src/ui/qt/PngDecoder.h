// Decodes the scene's PNG pictures into textures' pictures: 8-bit RGBA with the colour
// channels premultiplied by alpha, row 0 at the picture's top. Safe to call from worker
// threads (one picture per call), so the ten textures can be decoded in parallel.
#pragma once

#include <cstdint>
#include <span>

#include "scene/TextureImage.h"

namespace ui::qt {

// The decoded picture, or an empty one when the bytes are not a picture.
scene::TTextureImage DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace ui::qt
