// What a window's logic asks of the platform window that shows it.
#pragma once

#include <string>

#include "ui/ContextFactory.h"
#include "ui/PointF.h"

namespace ui {

class IWindowHost {
 public:
  virtual ~IWindowHost() = default;
  // Marks the rectangle (client area, window units) to be painted at the next paint.
  virtual void Invalidate(const TWindowRect& rect) = 0;
  // The window's scale factor: pixels per window unit (1 when there is none).
  virtual float Scale() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // A client point (window units) as a point of the screen, in the units the platform's
  // menus are placed in.
  virtual TPointF ClientToScreen(TPointF client) const = 0;
  // The graphics device's context factory of this window.
  virtual IContextFactory& ContextFactory() = 0;
};

}  // namespace ui
