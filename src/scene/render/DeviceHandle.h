// The scene's handle on an object that a graphics device made for it (a texture, the buffers
// of a mesh). The device owns the object: destroying the handle tells the device it may free
// it. A handle made by another device, or by one that has been released, is not valid.
#pragma once

namespace scene {

class TDeviceHandle {
 public:
  virtual ~TDeviceHandle() = default;
  virtual bool IsValid() const = 0;
};

}  // namespace scene
