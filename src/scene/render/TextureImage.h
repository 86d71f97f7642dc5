// A decoded picture: 8-bit red, green, blue, alpha per pixel with the colour channels
// premultiplied by alpha; row 0 is the picture's top row, rows are packed (4 * Width bytes).
// Textures are filled from it and CopyToBitmap reads the rendered image into it. An image of
// width or height 0 is empty. Opaque tells that every alpha is 255 (whoever makes the picture
// sets it when known; false means "may have transparent pixels").
#pragma once

#include <cstdint>
#include <vector>

namespace scene {

struct TTextureImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;  // Width * Height * 4 bytes, R G B A
  bool Opaque = false;

  TTextureImage() = default;
  TTextureImage(int width, int height)
      : Width(width), Height(height), Pixels(static_cast<size_t>(width) * height * 4) {}

  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
  std::uint8_t* Pixel(int x, int y) { return &Pixels[(static_cast<size_t>(y) * Width + x) * 4]; }
  const std::uint8_t* Pixel(int x, int y) const {
    return &Pixels[(static_cast<size_t>(y) * Width + x) * 4];
  }
};

}  // namespace scene
