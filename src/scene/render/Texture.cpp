#include "scene/render/Texture.h"

#include <utility>

namespace scene {

void TTexture::Assign(TTextureImage image) {
  std::lock_guard lock(FLock);
  FWidth = image.IsEmpty() ? 0 : image.Width;
  FHeight = image.IsEmpty() ? 0 : image.Height;
  FOpaque = !image.IsEmpty() && image.Opaque;
  FBands.reset();
  if (image.IsEmpty()) {
    FImage = TTextureImage();
    FPending = false;
    FHandle.reset();
    return;
  }
  FImage = std::move(image);
  FPending = true;
}

void TTexture::Assign(std::shared_ptr<const TTextureBands> bands) {
  if (!bands || bands->Width() <= 0 || bands->Height() <= 0) {
    Assign(TTextureImage());
    return;
  }
  std::lock_guard lock(FLock);
  FWidth = bands->Width();
  FHeight = bands->Height();
  FOpaque = bands->Opaque();
  FImage = TTextureImage();
  FBands = std::move(bands);
  FPending = true;
}

void TTexture::AssignUploaded(std::unique_ptr<TDeviceHandle> handle,
                              std::shared_ptr<const TTextureBands> bands) {
  if (!handle) {
    Assign(std::move(bands));
    return;
  }
  std::lock_guard lock(FLock);
  FWidth = bands ? bands->Width() : 0;
  FHeight = bands ? bands->Height() : 0;
  FOpaque = bands && bands->Opaque();
  FImage = TTextureImage();
  FBands = std::move(bands);
  FHandle = std::move(handle);
  FPending = false;
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
