#include "ui/gestures/MultiTouchManager.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "scene/tree/SceneNode.h"
#include "ui/window/Control.h"

namespace ui {

namespace {

constexpr TPointF NoPoint{-1, -1};

// The gestures recognised from two moving fingers, in the order they are tried.
constexpr TInteractiveGesture TwoFingerGestures[] = {TInteractiveGesture::Zoom};

bool IsFinite(TPointF p) {
  return std::isfinite(p.X) && std::isfinite(p.Y);
}

double DistanceBetween(TPointF a, TPointF b) {
  return std::hypot(static_cast<double>(a.X) - b.X, static_cast<double>(a.Y) - b.Y);
}

TPointF Midpoint(TPointF a, TPointF b) {
  return {static_cast<float>((static_cast<double>(a.X) + b.X) / 2),
          static_cast<float>((static_cast<double>(a.Y) + b.Y) / 2)};
}

// A distance in whole pixels, ties to even (nearbyint rounds in the current mode, which is to
// nearest with ties to even), kept within int.
int WholePixels(double v) {
  if (!(v > 0)) return 0;
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(std::nearbyint(v));
}

}  // namespace

TMultiTouchManager::TMultiTouchManager(ITouchWindow& window, IOneShotTimerSource& timers)
    : FWindow(window), FTimers(timers) {}

TMultiTouchManager::~TMultiTouchManager() {
  // The timer's callback refers to this manager.
  FDoubleTapTimer.reset();
}

TControl* TMultiTouchManager::GestureControl() const {
  return dynamic_cast<TControl*>(FGestureControl);
}

double TMultiTouchManager::TapTolerance() const {
  const double scale = FWindow.ScreenScale();
  return 10 / (std::isfinite(scale) && scale > 0 ? scale : 1.0);
}

void TMultiTouchManager::HandleTouches(std::span<const TPointF> touches, TTouchAction action) {
  FEnabledInteractiveGestures = EnabledInteractiveGestures();
  if (action != TTouchAction::Down && action != TTouchAction::Up && action != TTouchAction::Move) {
    if (action == TTouchAction::Cancel) CancelTouches();
    return;
  }
  if (touches.empty() || !std::all_of(touches.begin(), touches.end(), IsFinite)) {
    CancelTouches();
    return;
  }
  // One finger going down starts a new sequence: what an unreported end left is ended now.
  if (action == TTouchAction::Down && touches.size() == 1) EndTouchSequence();

  scene::TSceneNode* found = nullptr;
  if (touches.size() == 1)
    found = FWindow.ObjectUnderTouch(touches[0]);
  else if (touches.size() == 2)
    found = FWindow.ObjectUnderTouch(Midpoint(touches[0], touches[1]));

  FTouches.assign(touches.begin(), touches.end());
  FFirstPointer = touches[0];
  if (touches.size() >= 2) FSecondPointer = touches[1];
  switch (action) {
    case TTouchAction::Down:
      Retarget(FTouchDownControl, found ? found : &FWindow.WindowObject());
      TouchDown();
      break;
    case TTouchAction::Move:
      TouchMove();
      break;
    default:
      TouchUp();
      if (touches.size() == 1) EndTouchSequence();  // the last finger left
      break;
  }
  FOldPoint1 = FFirstPointer;
  FOldPoint2 = FSecondPointer;
}

void TMultiTouchManager::TouchDown() {
  if (FTouches.size() != 1) return;
  if (FEnabledInteractiveGestures.Contains(TInteractiveGesture::DoubleTap) && !FDoubleTapTimer)
    StartDoubleTapTimer();
  FFirstPointerDownCoordinates = FFirstPointer;
}

void TMultiTouchManager::TouchMove() {
  if (FTouches.size() == 1) {
    if (DistanceBetween(FFirstPointer, FOldPoint1) > TapTolerance()) DiscardDoubleTapTimer();
    return;
  }
  DiscardDoubleTapTimer();
  if (FTouches.size() == 2) RecognizeTwoFingerGestures();
}

void TMultiTouchManager::TouchUp() {
  if (FDoubleTapTimer) {
    if (FDblTapFirstTouchUp) {
      DiscardDoubleTapTimer();
      Deliver(TInteractiveGesture::DoubleTap, MakeEvent(TInteractiveGesture::DoubleTap, false));
    } else {
      FDblTapFirstTouchUp = true;
    }
  }
  if (FTouches.size() == 1 && FActiveInteractiveGestures.Contains(TInteractiveGesture::Zoom))
    Deliver(TInteractiveGesture::Zoom, MakeEvent(TInteractiveGesture::Zoom, true));
}

void TMultiTouchManager::RecognizeTwoFingerGestures() {
  bool continued = false;
  for (TInteractiveGesture g : TwoFingerGestures)
    if (FActiveInteractiveGestures.Contains(g) && TryGesture(g)) continued = true;
  if (continued) return;
  for (TInteractiveGesture g : TwoFingerGestures)
    if (FEnabledInteractiveGestures.Contains(g) && !FActiveInteractiveGestures.Contains(g))
      TryGesture(g);
}

bool TMultiTouchManager::TryGesture(TInteractiveGesture gesture) {
  switch (gesture) {
    case TInteractiveGesture::Zoom:
      return TryZoom();
    default:
      return false;
  }
}

bool TMultiTouchManager::TryZoom() {
  if (FOldPoint1 == NoPoint || FOldPoint2 == NoPoint) return false;
  const double distance = DistanceBetween(FFirstPointer, FSecondPointer);
  const double previous = DistanceBetween(FOldPoint1, FOldPoint2);
  if (!(distance > ZoomStep && std::abs(distance - previous) > ZoomStep)) return false;
  Deliver(TInteractiveGesture::Zoom, MakeEvent(TInteractiveGesture::Zoom, false));
  return true;
}

TGestureEventInfo TMultiTouchManager::MakeEvent(TInteractiveGesture gesture, bool ending) const {
  TGestureEventInfo info;
  info.GestureID = InteractiveGestureId(gesture);
  info.Location = FFirstPointer;
  if (ending)
    info.Flags = {TInteractiveGestureFlag::gfEnd};
  else if (!FActiveInteractiveGestures.Contains(gesture))
    info.Flags = {TInteractiveGestureFlag::gfBegin};
  if (gesture == TInteractiveGesture::Zoom) {
    info.Location = Midpoint(FFirstPointer, FSecondPointer);
    info.Distance = WholePixels(DistanceBetween(FFirstPointer, FSecondPointer));
  }
  return info;
}

void TMultiTouchManager::Deliver(TInteractiveGesture gesture, const TGestureEventInfo& eventInfo) {
  const bool beginning = eventInfo.Flags.Contains(TInteractiveGestureFlag::gfBegin);
  // Only a control can be asked for its target; over a 3D object or the window the target
  // stays as it was, which between gestures is none.
  if (beginning)
    if (auto* control = dynamic_cast<TControl*>(FTouchDownControl))
      Retarget(FGestureControl, control->FindGestureTarget(gesture));
  bool delivered = false;
  if (TControl* target = GestureControl()) {
    delivered = true;
    target->DeliverGesture(eventInfo);
  }
  if (eventInfo.Flags.Contains(TInteractiveGestureFlag::gfEnd)) {
    FActiveInteractiveGestures.Exclude(gesture);
    Retarget(FGestureControl, nullptr);
  } else if (beginning && delivered && gesture != TInteractiveGesture::DoubleTap) {
    // A double tap is over with its one event.
    FActiveInteractiveGestures.Include(gesture);
  }
}

void TMultiTouchManager::StartDoubleTapTimer() {
  FDoubleTapTimer = FTimers.StartOneShot(DoubleTapInterval, [this] { DiscardDoubleTapTimer(); });
}

void TMultiTouchManager::DiscardDoubleTapTimer() {
  FDoubleTapTimer.reset();
  FDblTapFirstTouchUp = false;
}

void TMultiTouchManager::EndTouchSequence() {
  if (FActiveInteractiveGestures.Contains(TInteractiveGesture::Zoom))
    Deliver(TInteractiveGesture::Zoom, MakeEvent(TInteractiveGesture::Zoom, true));
  FActiveInteractiveGestures = {};
  Retarget(FGestureControl, nullptr);
  Retarget(FTouchDownControl, nullptr);
  FTouches.clear();
  FFirstPointer = NoPoint;
  FSecondPointer = NoPoint;
}

void TMultiTouchManager::CancelTouches() {
  DiscardDoubleTapTimer();
  EndTouchSequence();
  FOldPoint1 = NoPoint;
  FOldPoint2 = NoPoint;
}

void TMultiTouchManager::HandlePlatformGesture(int kind, TPointF location,
                                               TInteractiveGestureFlags flags, int distance) {
  if (kind == PlatformGestureBegin || kind == PlatformGestureEnd) return;
  const int id = kind + PlatformGestureIdBase;
  flags = flags * TInteractiveGestureFlags{TInteractiveGestureFlag::gfBegin,
                                           TInteractiveGestureFlag::gfInertia,
                                           TInteractiveGestureFlag::gfEnd};
  const bool placed = IsFinite(location);
  if (flags.Contains(TInteractiveGestureFlag::gfBegin)) {
    TControl* target = nullptr;
    const int gesture = id - InteractiveGestureId(TInteractiveGesture::Zoom);
    if (placed && gesture >= 0 && gesture <= static_cast<int>(TInteractiveGesture::DoubleTap))
      if (auto* control = dynamic_cast<TControl*>(FWindow.ObjectUnderTouch(location)))
        target = control->FindGestureTarget(static_cast<TInteractiveGesture>(gesture));
    Retarget(FPlatformGestureControl, target);
  }
  // An event without a usable location keeps the gesture's last one.
  if (placed) FPlatformGestureLocation = location;

  TGestureEventInfo info;
  info.GestureID = id;
  info.Location = FPlatformGestureLocation;
  info.Flags = flags;
  if (kind == PlatformGestureZoom) info.Distance = std::max(distance, 0);
  if (auto* target = dynamic_cast<TControl*>(FPlatformGestureControl)) target->DeliverGesture(info);
  if (flags.Contains(TInteractiveGestureFlag::gfEnd)) Retarget(FPlatformGestureControl, nullptr);
}

void TMultiTouchManager::Retarget(scene::TSceneNode*& field, scene::TSceneNode* node) {
  scene::TSceneNode* old = std::exchange(field, node);
  if (old == node) return;
  if (node) node->AddFreeObserver(this);
  if (old && old != FTouchDownControl && old != FGestureControl && old != FPlatformGestureControl)
    old->RemoveFreeObserver(this);
}

void TMultiTouchManager::ObservedFreed(scene::TSceneNode* dying) {
  // The observation is already unlinked; only the fields are cleared.
  if (FTouchDownControl == dying) FTouchDownControl = nullptr;
  if (FGestureControl == dying) FGestureControl = nullptr;
  if (FPlatformGestureControl == dying) FPlatformGestureControl = nullptr;
}

}  // namespace ui
