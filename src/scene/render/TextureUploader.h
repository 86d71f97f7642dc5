// Making textures ahead, on a thread of the platform's own with a graphics context that shares
// objects with the window's, while the window is still being built and shown: the first frame
// then finds them ready instead of filling them itself.
#pragma once

#include <memory>
#include <vector>

#include "scene/render/DeviceHandle.h"
#include "scene/render/TextureBands.h"

namespace scene {

class ITextureUploader {
 public:
  virtual ~ITextureUploader() = default;
  // Starts making one texture per source; false when it cannot (nothing was started).
  virtual bool Start(std::vector<std::shared_ptr<const TTextureBands>> sources) = 0;
  // Whether the work started has ended, so that Finish would not wait (true when nothing was
  // started).
  virtual bool Done() const = 0;
  // Waits until the textures are made; then, on the window's thread with its drawing device
  // current, gives one handle per source in order (null where a texture could not be made).
  // Empty when nothing was started.
  virtual std::vector<std::unique_ptr<TDeviceHandle>> Finish() = 0;
  // Waits until the work started has ended, without taking the textures (from any state, on
  // the thread that started it; the textures are freed with the platform's contexts).
  virtual void Wait() = 0;
};

}  // namespace scene
