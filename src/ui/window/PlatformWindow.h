// What the window service asks of a form's native window. The native window is given to the
// form when the platform creates it (hidden, at the form's stored client size, position,
// frame and state) and reports every change of its client size to the form
// (TFormBase::ClientResized).
#pragma once

#include "ui/window/WindowTypes.h"

namespace ui {

class IPlatformWindow {
 public:
  virtual ~IPlatformWindow() = default;

  // Makes the window system's window if it does not exist yet.
  virtual void CreateNative() = 0;
  virtual bool Visible() const = 0;
  // Shows the window in its current state; hides it.
  virtual void ShowNative() = 0;
  virtual void HideNative() = 0;
  // Brings the window to the front and makes it the active one.
  virtual void Activate() = 0;

  // The frame: a caption and border as `style` says (none for None), the caption's buttons as
  // `icons` say, kept above ordinary windows unless `formStyle` is Normal. A maximised window
  // keeps covering what it covers with its new frame (the screen when borderless, else the
  // work area).
  virtual void SetFrame(TFormBorderStyle style, TBorderIcons icons, TFormStyle formStyle) = 0;

  // The outer bounds (frame and caption included) as they are now.
  virtual TWindowBounds Bounds() const = 0;
  // Sets the outer bounds of the normal state: at once in that state, else as the bounds the
  // window returns to when it is normal again.
  virtual void SetBounds(const TWindowBounds& bounds) = 0;

  virtual TWindowState State() const = 0;
  // Normal: at its normal bounds. Maximised: borderless over the whole of its screen, framed
  // over the screen's work area. Leaving the normal state keeps the bounds to return to.
  virtual void SetState(TWindowState state) = 0;

  // The work area (the screen less the desktop's panels) of the screen the window is on.
  virtual TWindowBounds WorkArea() const = 0;
};

}  // namespace ui
