// Where a window's 3D views are presented during a paint: the platform window's framebuffer.
#pragma once

#include "scene/math/AlphaColor.h"

namespace ui {

struct TPaintTarget3D {
  unsigned Framebuffer = 0;  // the device's name of the window's framebuffer
  int PixelWidth = 0;        // size of the window's client area in pixels
  int PixelHeight = 0;
  // Set while what lies under the next view is the window's own clear, opaque, in the colour
  // Backdrop (nothing drawn over it yet).
  bool OpaqueBackdrop = false;
  scene::TAlphaColor Backdrop = 0;
};

}  // namespace ui
