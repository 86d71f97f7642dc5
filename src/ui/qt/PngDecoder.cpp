#include "ui/qt/PngDecoder.h"

#include <QImage>
#include <cstring>

namespace ui::qt {

scene::TTextureImage DecodePng(std::span<const std::uint8_t> bytes) {
  QImage image;
  if (bytes.empty() || !image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "PNG"))
    return {};
  // The stored 8-bit values are used as they are (no gamma conversion).
  image.convertTo(QImage::Format_RGBA8888_Premultiplied);
  scene::TTextureImage picture(image.width(), image.height());
  const size_t row = static_cast<size_t>(picture.Width) * 4;
  for (int y = 0; y < picture.Height; ++y)
    std::memcpy(picture.Pixel(0, y), image.constScanLine(y), row);
  // Known here, on the decoding thread, so that drawing can skip blending opaque pictures.
  picture.Opaque = scene::AllOpaque(picture);
  return picture;
}

}  // namespace ui::qt
