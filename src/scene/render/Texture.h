// A texture of a material: the picture until a device has uploaded it, then the device's
// handle.
//
// Assign hands over a decoded picture, or a source of bands; the drawing context uploads it at
// the next draw that uses it (or when asked to earlier) at its full size. A decoded copy is
// released right after, so peak memory holds each picture once; a source of bands is kept (it
// costs nothing), so a texture lost with its device is filled again. AssignUploaded hands over
// a texture a device has already made (uploaded on another thread) with its source. Width and
// Height stay known after a release. Assigning, uploading and reading the state are serialised
// by a lock on the texture, so a picture decoded on a worker thread may be assigned from there.
#pragma once

#include <memory>
#include <mutex>

#include "scene/render/DeviceHandle.h"
#include "scene/render/TextureBands.h"
#include "scene/render/TextureImage.h"

namespace scene {

class TTexture {
 public:
  TTexture() = default;
  TTexture(const TTexture&) = delete;
  TTexture& operator=(const TTexture&) = delete;

  // Replaces the picture; an empty picture empties the texture.
  void Assign(TTextureImage image);
  void Assign(std::shared_ptr<const TTextureBands> bands);
  // A texture already made by the device that draws with it, made from `bands`.
  void AssignUploaded(std::unique_ptr<TDeviceHandle> handle,
                      std::shared_ptr<const TTextureBands> bands);
  void Clear() { Assign(TTextureImage()); }

  int Width() const;
  int Height() const;
  bool IsEmpty() const;
  // Every texel is opaque (as the picture said when assigned).
  bool IsOpaque() const;
  // The picture waits for its upload.
  bool HasPendingImage() const;

  // Device side: when a picture is pending or the handle is not valid, `upload` is called with
  // the decoded picture (null when there is none, or it was already released), the source of
  // bands (null when there is none) and the old handle, and returns the new handle; a decoded
  // picture is released afterwards. Returns the handle to draw with, or null.
  template <class Upload>
  TDeviceHandle* Prepare(Upload&& upload) {
    std::lock_guard lock(FLock);
    if (FPending || !FHandle || !FHandle->IsValid()) {
      if (FPending || FHandle || FBands) {
        const bool hasImage = FPending && !FImage.IsEmpty();
        FHandle = upload(hasImage ? &FImage : static_cast<const TTextureImage*>(nullptr),
                         FBands.get(), std::move(FHandle));
      }
      FImage = TTextureImage();
      FPending = false;
    }
    return FHandle && FHandle->IsValid() ? FHandle.get() : nullptr;
  }

 private:
  mutable std::mutex FLock;
  TTextureImage FImage;
  std::shared_ptr<const TTextureBands> FBands;
  bool FPending = false;
  int FWidth = 0, FHeight = 0;
  bool FOpaque = false;
  std::unique_ptr<TDeviceHandle> FHandle;
};

}  // namespace scene
