#include "ui/window/ShadowEffect.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/window/Control.h"

namespace ui {

namespace {
float Clamped(float v, float low, float high) {
  if (std::isnan(v)) return low;
  return std::clamp(v, low, high);
}
}  // namespace

void TShadowEffect::Changed() {
  if (auto* control = dynamic_cast<TControl*>(Parent())) {
    // The shadow reaches beyond the control: the whole window is drawn at every paint, so
    // asking for the control's area is enough.
    control->Repaint();
  }
}

void TShadowEffect::SetDistance(float v) {
  if (v == FDistance) return;
  FDistance = v;
  Changed();
}

void TShadowEffect::SetDirection(float v) {
  if (v == FDirection) return;
  FDirection = v;
  Changed();
}

void TShadowEffect::SetSoftness(float v) {
  v = Clamped(v, 0, 3);
  if (v == FSoftness) return;
  FSoftness = v;
  Changed();
}

void TShadowEffect::SetOpacity(float v) {
  v = Clamped(v, 0, 1);
  if (v == FOpacity) return;
  FOpacity = v;
  Changed();
}

void TShadowEffect::SetShadowColor(scene::TAlphaColor c) {
  if (c == FShadowColor) return;
  FShadowColor = c;
  Changed();
}

void TShadowEffect::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  Changed();
}

TShadow TShadowEffect::ShadowOf(const TControl& control) const {
  const float grow = std::trunc(FSoftness * 20);
  const TWindowRect r = control.AbsoluteRect();
  const double angle = FDirection * std::numbers::pi / 180;
  TShadow shadow;
  shadow.Area = {r.Left - grow, r.Top - grow, r.Right + grow, r.Bottom + grow};
  shadow.Offset = {static_cast<float>(FDistance * std::cos(angle)),
                   static_cast<float>(FDistance * std::sin(angle))};
  shadow.BlurRadius = BlurAmount() * 10;
  shadow.Color = FShadowColor;
  shadow.Opacity = FOpacity * control.AbsoluteOpacity();
  return shadow;
}

}  // namespace ui
