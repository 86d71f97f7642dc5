#include "scene/render/Texture.h"

#include <utility>

namespace scene {

void TTexture::Assign(TTextureImage image) {
  std::lock_guard lock(FLock);
  FWidth = image.IsEmpty() ? 0 : image.Width;
  FHeight = image.IsEmpty() ? 0 : image.Height;
  FOpaque = !image.IsEmpty() && image.Opaque;
  if (image.IsEmpty()) {
    FImage = TTextureImage();
    FPending = false;
    FHandle.reset();
    return;
  }
  FImage = std::move(image);
  FPending = true;
}

int TTexture::Width() const {
  std::lock_guard lock(FLock);
  return FWidth;
}

int TTexture::Height() const {
  std::lock_guard lock(FLock);
  return FHeight;
}

bool TTexture::IsEmpty() const {
  std::lock_guard lock(FLock);
  return FWidth == 0 || FHeight == 0;
}

bool TTexture::IsOpaque() const {
  std::lock_guard lock(FLock);
  return FOpaque;
}

bool TTexture::HasPendingImage() const {
  std::lock_guard lock(FLock);
  return FPending;
}

}  // namespace scene
