// Where a window's 3D views are presented during a paint: the platform window's framebuffer.
#pragma once

namespace ui {

struct TPaintTarget3D {
  unsigned Framebuffer = 0;  // the device's name of the window's framebuffer
  int PixelWidth = 0;        // size of the window's client area in pixels
  int PixelHeight = 0;
};

}  // namespace ui
