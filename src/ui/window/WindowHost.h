// What a window's logic asks of the platform window that shows it.
#pragma once

#include <functional>
#include <string>

#include "scene/render/TextureImage.h"
#include "ui/basics/PointF.h"
#include "ui/window/ContextFactory.h"

namespace ui {

class IPainter;
class TControl;

// What changed of a control as assistive technology (a screen reader) sees it: it took the
// keyboard focus, its text (its accessible name) changed, or it or a parent was shown or hidden.
enum class TAccessibleChange { Focus, Name, Visibility };

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

  // For pictures made outside a paint (screenshots): runs `draw` with the window's graphics
  // device current, after the form prepared itself as for a paint; a window whose device
  // does not exist yet (never shown) does not run it. This default runs it as it is.
  virtual void WithDevice(const std::function<void()>& draw) { draw(); }
  // Paints onto `picture` (premultiplied RGBA, row 0 at the top) through a painter in window
  // units of `scale` pixels each, the window point `origin` at the picture's top-left corner.
  // Without a painter, leaves the picture as it is.
  virtual void PaintOnto(scene::TTextureImage& /*picture*/, float /*scale*/, TPointF /*origin*/,
                         const std::function<void(IPainter&)>& /*paint*/) {}
  // A control of the window changed in a way assistive technology is told of; by default no
  // one is told.
  virtual void AccessibleChanged(TControl& /*control*/, TAccessibleChange /*change*/) {}
};

}  // namespace ui
