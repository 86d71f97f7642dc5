#include "ui/paint/Bitmap.h"

#include "ui/files/BitmapCodecs.h"
#include "ui/files/ImageFileWriter.h"

namespace ui {

TBitmap FlattenedOver(const TBitmap& picture, scene::TAlphaColor background) {
  const std::uint8_t back[3] = {static_cast<std::uint8_t>(background >> 16),
                                static_cast<std::uint8_t>(background >> 8),
                                static_cast<std::uint8_t>(background)};
  scene::TTextureImage image = picture.Image();
  std::uint8_t* p = image.Pixels.data();
  for (std::size_t i = 0; i + 3 < image.Pixels.size(); i += 4, p += 4) {
    // Premultiplied source over an opaque background: c + b * (1 - a), rounded.
    const unsigned rest = 255u - p[3];
    for (int c = 0; c < 3; ++c) {
      const unsigned v = p[c] + (back[c] * rest + 127) / 255;
      p[c] = static_cast<std::uint8_t>(v > 255 ? 255 : v);
    }
    p[3] = 255;
  }
  return TBitmap(std::move(image), picture.Scale());
}

void TBitmap::SaveToFile(const std::string& path, const TBitmapCodecSaveParams* params) const {
  const std::optional<TImageContainer> container = ContainerForFile(path);
  IImageFileWriter* writer = scene::TService<IImageFileWriter>::Get();
  if (!container || !writer) throw EBitmapSavingFailed();
  std::optional<float> quality;
  if (params) quality = static_cast<float>(params->Quality) / 100.0f;
  writer->Write(FImage, *container, quality, path);
}

}  // namespace ui
