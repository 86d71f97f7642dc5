#include "ui/qt/NativeZoom.h"

#include <QNativeGestureEvent>
#include <algorithm>
#include <cmath>

namespace ui::qt {

std::optional<TPlatformGesture> TNativeZoomTracker::Translate(const QNativeGestureEvent& event) {
  return Translate(event.gestureType(), event.position(), event.value());
}

std::optional<TPlatformGesture> TNativeZoomTracker::Translate(Qt::NativeGestureType type,
                                                              QPointF position, double value) {
  switch (type) {
    case Qt::BeginNativeGesture:
      return EndZoom();
    case Qt::EndNativeGesture:
      return EndZoom();
    case Qt::ZoomNativeGesture:
      break;
    default:
      return std::nullopt;
  }
  if (!std::isfinite(value)) return std::nullopt;
  TPlatformGesture step;
  step.Kind = PlatformGestureZoom;
  if (!FZooming) {
    FZooming = true;
    FScale = 1;
    step.Flags = {TInteractiveGestureFlag::gfBegin};
  }
  FScale = std::clamp(FScale * (1 + value), MinScale, MaxScale);
  step.Location = {static_cast<float>(position.x()), static_cast<float>(position.y())};
  // nearbyint rounds to nearest, ties to even.
  step.Distance = static_cast<int>(std::nearbyint(StartDistance * FScale));
  FLast = step;
  return step;
}

std::optional<TPlatformGesture> TNativeZoomTracker::EndZoom() {
  if (!FZooming) return std::nullopt;
  FZooming = false;
  FScale = 1;
  TPlatformGesture end = FLast;
  end.Flags = {TInteractiveGestureFlag::gfEnd};
  return end;
}

}  // namespace ui::qt
