// A texture of a material: the decoded picture until a device has uploaded it, then the
// device's handle.
//
// Assign hands over a decoded picture; the drawing context uploads it at the next draw that
// uses it (or when asked to earlier) at its full size, and the decoded copy is released right
// after, so peak memory holds each picture once. Width and Height stay known after the release.
// Assigning, uploading and reading the state are serialised by a lock on the texture, so a
// picture decoded on a worker thread may be assigned from there.
#pragma once

#include <memory>
#include <mutex>

#include "scene/render/DeviceHandle.h"
#include "scene/render/TextureImage.h"

namespace scene {

class TTexture {
 public:
  TTexture() = default;
  TTexture(const TTexture&) = delete;
  TTexture& operator=(const TTexture&) = delete;

  // Replaces the picture; an empty picture empties the texture.
  void Assign(TTextureImage image);
  void Clear() { Assign({}); }

  int Width() const;
  int Height() const;
  bool IsEmpty() const;
  // Every texel is opaque (as the picture said when assigned).
  bool IsOpaque() const;
  // The picture waits for its upload.
  bool HasPendingImage() const;

  // Device side: when a picture is pending or the handle is not valid, `upload` is called with
  // the picture (null when it was already released) and the old handle, and returns the new
  // handle; the picture is released afterwards. Returns the handle to draw with, or null.
  template <class Upload>
  TDeviceHandle* Prepare(Upload&& upload) {
    std::lock_guard lock(FLock);
    if (FPending || !FHandle || !FHandle->IsValid()) {
      if (FPending || FHandle) {
        FHandle = upload(FPending ? &FImage : static_cast<const TTextureImage*>(nullptr),
                         std::move(FHandle));
      }
      FImage = TTextureImage();
      FPending = false;
    }
    return FHandle && FHandle->IsValid() ? FHandle.get() : nullptr;
  }

 private:
  mutable std::mutex FLock;
  TTextureImage FImage;
  bool FPending = false;
  int FWidth = 0, FHeight = 0;
  bool FOpaque = false;
  std::unique_ptr<TDeviceHandle> FHandle;
};

}  // namespace scene
