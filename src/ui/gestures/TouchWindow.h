// What the touch recognizer asks of the window whose touches it recognises.
#pragma once

#include "ui/basics/PointF.h"

namespace scene {
class TSceneNode;
}

namespace ui {

class ITouchWindow {
 public:
  virtual ~ITouchWindow() = default;
  // The object under a point of the client area (window units): a 2D control, a 3D object,
  // or null when there is none.
  virtual scene::TSceneNode* ObjectUnderTouch(TPointF point) = 0;
  // The window itself, as the root of its tree.
  virtual scene::TSceneNode& WindowObject() = 0;
  // The screen's scale factor: pixels per window unit.
  virtual float ScreenScale() const = 0;
};

}  // namespace ui
