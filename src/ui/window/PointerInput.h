// The platform window's pointer messages turned into the window's pointer events.
//
// The platform adapter reports what it saw (button, client point in window units, screen
// point, keys and buttons held, time); this class decides what the window gets: client points
// rounded to whole numbers (halves to even); a press that follows a press of the same button
// within the platform's double-click time and distance is a double-click (ssDouble), and the
// press after that starts afresh; a right press first asks for a context menu and goes on as
// a press only when none opened; a move to the screen position of the last delivered move is
// dropped, and every button message makes the next move count; wheel turns of a whole notch
// (120) go through as they are, while finer turns (high-resolution wheels, touchpads) add up
// and go through one notch at a time, so a notch is one step however the device reports it;
// a turn with no vertical part does nothing.
#pragma once

#include <cstdint>
#include <optional>

#include "scene/input/PointerEvent.h"
#include "ui/basics/PointF.h"

namespace ui {

class TFormBase;

struct TPlatformPointer {
  TPointF Client;  // window units, not rounded
  TPointF Screen;  // where the platform places menus
  scene::TShiftState Shift = 0;
  std::int64_t TimeMs = 0;
};

class TPointerInput {
 public:
  static constexpr int WheelNotch = 120;

  explicit TPointerInput(TFormBase& form) : FForm(form) {}

  // The platform's double-click time (ms) and distance (window units, per axis).
  void SetDoubleClickLimits(int intervalMs, float distance) {
    FDoubleClickMs = intervalMs;
    FDoubleClickDistance = distance;
  }

  void Press(scene::TMouseButton button, const TPlatformPointer& p);
  void Release(scene::TMouseButton button, const TPlatformPointer& p);
  void Move(const TPlatformPointer& p);
  void Wheel(int verticalDelta, const TPlatformPointer& p);
  // The window lost the pointer (deactivated, hidden, grab broken).
  void Lost();

 private:
  TFormBase& FForm;
  int FDoubleClickMs = 400;
  float FDoubleClickDistance = 5;
  struct TLastPress {
    scene::TMouseButton Button;
    TPointF Client;
    std::int64_t TimeMs;
  };
  std::optional<TLastPress> FLastPress;  // none after a double-click
  std::optional<TPointF> FLastMove;      // screen point of the last delivered move
  int FWheelRest = 0;
};

}  // namespace ui
