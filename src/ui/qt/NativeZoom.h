// A pinch that the platform recognises itself (a touchpad's), as Qt reports it with
// QNativeGestureEvent, turned into the touch recognizer's platform zoom (see
// TMultiTouchManager::HandlePlatformGesture).
//
// Qt reports each step of a pinch as the change of scale since the previous step (the
// event's value; the scale becomes scale * (1 + value)), not as a distance between the
// fingers. The tracker multiplies the steps into the scale since the pinch began and reports
// as the distance between the contacts a nominal 100 pixels at the beginning times that
// scale, in whole pixels (ties to even). The scale is kept within 0.01 to 100, so the
// distance stays within 1 to 10000 pixels and a receiver can divide by it; a receiver that
// compares each distance with the previous one gets the same ratios as from the fingers.
//
// The first zoom step of a pinch goes out with gfBegin, the following ones without flags, and
// the pinch's end (EndNativeGesture) as an event with gfEnd and the last distance and
// location. Steps without a BeginNativeGesture before them start a pinch too. A pinch whose
// end never came is ended at the next BeginNativeGesture. Other native gestures, steps whose
// value is not a finite number and an end without a zoom step give nothing.
#pragma once

#include <QPointF>
#include <optional>

#include "ui/gestures/MultiTouchManager.h"

class QNativeGestureEvent;

namespace ui::qt {

class TNativeZoomTracker {
 public:
  static constexpr double StartDistance = 100;  // pixels
  static constexpr double MinScale = 0.01, MaxScale = 100;

  std::optional<TPlatformGesture> Translate(const QNativeGestureEvent& event);
  // The same from the event's type, position (window units) and value.
  std::optional<TPlatformGesture> Translate(Qt::NativeGestureType type, QPointF position,
                                            double value);

  bool Zooming() const { return FZooming; }

 private:
  std::optional<TPlatformGesture> EndZoom();

  bool FZooming = false;
  double FScale = 1;
  TPlatformGesture FLast;
};

}  // namespace ui::qt
