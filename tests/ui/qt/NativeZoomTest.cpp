// A touchpad's pinch as Qt reports it (scale changes) turned into the platform zoom of the
// touch recognizer: begin, steps and end with a distance of 100 pixels times the scale.
#include <gtest/gtest.h>

#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "ui/qt/NativeZoom.h"

namespace ui::qt {
namespace {

constexpr TInteractiveGestureFlags Begin{TInteractiveGestureFlag::gfBegin};
constexpr TInteractiveGestureFlags End{TInteractiveGestureFlag::gfEnd};
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct TStep {
  Qt::NativeGestureType type;
  QPointF at;
  double value;
  std::optional<TPlatformGesture> out;
};

TPlatformGesture Zoom(TPointF at, TInteractiveGestureFlags flags, int distance) {
  return {PlatformGestureZoom, at, flags, distance};
}

void Replay(const std::vector<TStep>& steps) {
  TNativeZoomTracker tracker;
  for (size_t i = 0; i < steps.size(); ++i) {
    const TStep& s = steps[i];
    EXPECT_EQ(tracker.Translate(s.type, s.at, s.value), s.out) << "step " << i;
  }
  EXPECT_FALSE(tracker.Zooming());
}

TEST(NativeZoom, AccumulatesTheScaleIntoADistance) {
  Replay({
      {Qt::BeginNativeGesture, {10, 20}, 0, std::nullopt},
      {Qt::ZoomNativeGesture, {10, 20}, 0.25, Zoom({10, 20}, Begin, 125)},
      {Qt::ZoomNativeGesture, {11, 21}, -0.5, Zoom({11, 21}, {}, 62)},  // 62.5: ties to even
      {Qt::RotateNativeGesture, {11, 21}, 15, std::nullopt},
      {Qt::ZoomNativeGesture, {12, 22}, 0.5, Zoom({12, 22}, {}, 94)},  // 93.75
      {Qt::ZoomNativeGesture, {12, 22}, NaN, std::nullopt},
      {Qt::EndNativeGesture, {30, 40}, 0, Zoom({12, 22}, End, 94)},
      {Qt::EndNativeGesture, {30, 40}, 0, std::nullopt},
  });
}

TEST(NativeZoom, OddSequencesStartAndEndCleanly) {
  Replay({
      // An end without a zoom step, then steps without a begin.
      {Qt::EndNativeGesture, {0, 0}, 0, std::nullopt},
      {Qt::ZoomNativeGesture, {5, 5}, -2, Zoom({5, 5}, Begin, 1)},  // the scale stays above 0
      {Qt::ZoomNativeGesture, {5, 5}, 1e9, Zoom({5, 5}, {}, 10000)},
      // A new pinch while the last one never ended: that one ends first.
      {Qt::BeginNativeGesture, {6, 6}, 0, Zoom({5, 5}, End, 10000)},
      {Qt::ZoomNativeGesture, {6, 6}, 0, Zoom({6, 6}, Begin, 100)},
      {Qt::EndNativeGesture, {6, 6}, 0, Zoom({6, 6}, End, 100)},
  });
}

TEST(NativeZoom, ReadsTheEvent) {
  // Built without a display or an application: a touchpad of our own, the position given in
  // window units.
  const QPointingDevice touchpad("touchpad", 1, QInputDevice::DeviceType::TouchPad,
                                 QPointingDevice::PointerType::Finger,
                                 QInputDevice::Capability::Position, 2, 0);
  QNativeGestureEvent event(Qt::ZoomNativeGesture, &touchpad, 2, QPointF(40, 50), QPointF(40, 50),
                            QPointF(140, 150), 0.25, QPointF());
  TNativeZoomTracker tracker;
  EXPECT_EQ(tracker.Translate(event), Zoom({40, 50}, Begin, 125));
}

}  // namespace
}  // namespace ui::qt
