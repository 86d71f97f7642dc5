// Makes drawing contexts on the platform window's graphics device.
#pragma once

#include <memory>

#include "scene/render/Context3D.h"

namespace ui {

class IContextFactory {
 public:
  virtual ~IContextFactory() = default;
  // A drawing context with its own render target of the given pixel size; called only while
  // the window's device is current (inside a paint).
  virtual std::unique_ptr<scene::TContext3D> CreateContext(int pixelWidth, int pixelHeight,
                                                           int samples) = 0;
};

}  // namespace ui
