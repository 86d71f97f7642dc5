// Decodes the scene's PNG pictures into textures' pictures: 8-bit RGBA with the colour
// channels premultiplied by alpha, row 0 at the picture's top. Safe to call from worker
// threads (one picture per call), so the ten textures can be decoded in parallel.
//
// libpng decodes straight into the picture's own buffer and the premultiplication runs row by
// row as the rows arrive: one pass and no second copy of the picture, which keeps start-up
// fast and its peak memory low (the sky alone is 72 MB decoded). The stored 8-bit values are
// used as they are (no gamma conversion).
#pragma once

#include <cstdint>
#include <span>

#include "scene/render/TextureImage.h"

namespace ui {

// The decoded picture, or an empty one when the bytes are not a PNG picture.
scene::TTextureImage DecodePng(std::span<const std::uint8_t> bytes);

}  // namespace ui
