#include "ui/window/PointerInput.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/window/Form.h"

namespace ui {

namespace {

// Whole window units, halves to even; a point that is not a number counts as 0.
float Whole(float v) {
  return std::isfinite(v) ? static_cast<float>(RoundHalfEven(v)) : 0.0f;
}

}  // namespace

void TPointerInput::Press(scene::TMouseButton button, const TPlatformPointer& p) {
  FLastMove.reset();
  const float x = Whole(p.Client.X), y = Whole(p.Client.Y);
  bool isDouble = false;
  if (FLastPress && FLastPress->Button == button && p.TimeMs - FLastPress->TimeMs >= 0 &&
      p.TimeMs - FLastPress->TimeMs <= FDoubleClickMs &&
      std::fabs(p.Client.X - FLastPress->Client.X) <= FDoubleClickDistance &&
      std::fabs(p.Client.Y - FLastPress->Client.Y) <= FDoubleClickDistance)
    isDouble = true;
  if (isDouble)
    FLastPress.reset();
  else
    FLastPress = TLastPress{button, p.Client, p.TimeMs};
  const scene::TShiftState shift = p.Shift | (isDouble ? scene::ssDouble : 0);
  FForm.Press(button, shift, x, y, p.Screen);
}

void TPointerInput::Release(scene::TMouseButton button, const TPlatformPointer& p) {
  FLastMove.reset();
  FForm.MouseUp(button, p.Shift, Whole(p.Client.X), Whole(p.Client.Y), true);
}

void TPointerInput::Move(const TPlatformPointer& p) {
  if (FLastMove && *FLastMove == p.Screen) return;
  FLastMove = p.Screen;
  FForm.MouseMove(p.Shift, Whole(p.Client.X), Whole(p.Client.Y));
}

void TPointerInput::Wheel(int verticalDelta, const TPlatformPointer& p) {
  if (verticalDelta == 0) return;
  if (verticalDelta % WheelNotch == 0 && FWheelRest == 0) {
    bool handled = false;
    FForm.MouseWheel(p.Shift, verticalDelta, Whole(p.Client.X), Whole(p.Client.Y), handled);
    return;
  }
  // A turn against the direction of what is left over starts afresh.
  if ((FWheelRest > 0) != (verticalDelta > 0)) FWheelRest = 0;
  // Kept within a few notches, so a flood of huge deltas cannot overflow.
  FWheelRest = std::clamp(FWheelRest + std::clamp(verticalDelta, -10 * WheelNotch, 10 * WheelNotch),
                          -10 * WheelNotch, 10 * WheelNotch);
  while (std::abs(FWheelRest) >= WheelNotch) {
    const int notch = FWheelRest > 0 ? WheelNotch : -WheelNotch;
    FWheelRest -= notch;
    bool handled = false;
    FForm.MouseWheel(p.Shift, notch, Whole(p.Client.X), Whole(p.Client.Y), handled);
  }
}

void TPointerInput::Lost() {
  FLastMove.reset();
  FLastPress.reset();
  FWheelRest = 0;
  FForm.Pointer().PointerLost();
}

}  // namespace ui
