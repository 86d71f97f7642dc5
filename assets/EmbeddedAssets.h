// The scene's built-in pictures: the planet and moon maps, the sky, the rings, the About
// picture and the program icon. The bytes are linked in at build time and live for the whole
// process; nothing is decoded here. The program carries the ten scene textures packed
// (EmbeddedPackedTexture, see PackedTexture.h), each also four times smaller a side
// (EmbeddedSmallTexture), and the About picture and the icons as PNG; the scene textures' PNG
// files are in the library orvane_scene_pngs, for tests and tools.
//
// Every picture is 8-bit RGBA, non-interlaced, marked sRGB. Planet and moons: 2048 x 1024
// equirectangular (u = 0 and 1 on the +X half-meridian, u growing towards +Z, a moon's
// centre column facing the planet, the top row at the -Y pole), opaque. Sky: 6000 x 3000, the
// same layout, opaque. Rings: 2048 x 2048, straight (not premultiplied) alpha; the decoder
// premultiplies. About: 438 x 280, opaque. Icons: square, transparent around the planet.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace assets {

enum class TAssetId {
  Planet,
  Mimas,
  Enceladus,
  Tethys,
  Dione,
  Rhea,
  Titan,
  Iapetus,
  Sky,
  Rings,
  About
};

inline constexpr int AssetCount = 11;
inline constexpr std::array<int, 6> IconSizes = {16, 32, 48, 64, 128, 256};

// The PNG file of a picture; an empty span for a value outside the enum. Defined in
// orvane_scene_pngs.
std::span<const std::uint8_t> EmbeddedImage(TAssetId id);
// The About picture's PNG file.
std::span<const std::uint8_t> EmbeddedAboutPicture();
// A scene texture (Planet to Rings) packed in bands; an empty span for About and values
// outside the enum.
std::span<const std::uint8_t> EmbeddedPackedTexture(TAssetId id);
// The same texture four times smaller a side (each pixel the alpha-weighted mean of a 4 x 4
// block), packed the same way: what the first frames draw with while the full ones are made.
std::span<const std::uint8_t> EmbeddedSmallTexture(TAssetId id);
// A short lower-case name ("planet", "mimas", ..., "sky", "rings", "about"), also the file
// stem the generator used; "" for a value outside the enum.
const char* AssetName(TAssetId id);
// The program icon at one of IconSizes pixels square; an empty span for any other size.
std::span<const std::uint8_t> EmbeddedIcon(int size);

}  // namespace assets
