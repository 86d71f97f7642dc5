// A picture the 2D layer draws: premultiplied RGBA pixels and the scale they were made for.
//
// Bitmaps are shared and never change once made, so a painter may keep what it derived from
// one (an uploaded texture) under its Id, which no other bitmap of the process ever has.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "scene/math/AlphaColor.h"
#include "scene/render/TextureImage.h"

namespace ui {

struct TBitmapCodecSaveParams;

class TBitmap {
 public:
  // `scale` is pixels per window unit the picture was drawn for (1, 1.5, 2).
  explicit TBitmap(scene::TTextureImage image, float scale = 1)
      : FImage(std::move(image)), FScale(scale), FId(NextId()) {}

  const scene::TTextureImage& Image() const { return FImage; }
  int Width() const { return FImage.Width; }
  int Height() const { return FImage.Height; }
  float Scale() const { return FScale; }
  std::uint64_t Id() const { return FId; }

  // Saves the picture to `path` (UTF-8) through the installed image file writer, in the
  // container the codec table gives for the name's extension (ui/files/BitmapCodecs.h), with
  // the JPEG quality `params` asks for (the encoder's default without). Raises
  // EBitmapSavingFailed, writing nothing, for a name outside the table; otherwise what the
  // writer raises.
  void SaveToFile(const std::string& path, const TBitmapCodecSaveParams* params = nullptr) const;

 private:
  static std::uint64_t NextId() {
    static std::atomic<std::uint64_t> next{1};
    return next++;
  }

  scene::TTextureImage FImage;
  float FScale;
  std::uint64_t FId;
};

using TBitmapPtr = std::shared_ptr<const TBitmap>;

// The picture laid over an opaque colour (its alpha taken as 255), as a window shows it over
// its fill: every pixel opaque, at the same size and scale. Picture files are looked at over
// whatever a viewer puts behind them, so a screenshot is saved flattened.
TBitmap FlattenedOver(const TBitmap& picture, scene::TAlphaColor background);

}  // namespace ui
