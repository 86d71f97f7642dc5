// The touch recognizer: turns the touch messages of a window into zoom and double-tap events
// for its controls, and passes on the gestures the platform recognises itself.
//
// One manager serves the program; the window creates it at the first touch message and hands
// it every message from then on. Each message carries the touches now on the screen (lifted
// ones included in the message that lifts them) and one action, that of its last touch: Down
// when it went down, else Up when it was lifted, else Move.
//
// Zoom: while exactly two fingers move, an event goes out whenever their distance d is more
// than 2 pixels and differs by more than 2 pixels from their distance at the previous
// message; it carries the fingers' midpoint and d rounded to a whole number (ties to even).
// The first event has gfBegin, the following ones no flags, and the one sent when the last
// finger lifts gfEnd. Double tap: two taps whose first touch-down and second lift fall within
// 300 ms, neither moving further than 10 / scale factor window units from one message to the
// next; one event with gfBegin at the second tap's position.
//
// A gesture's events go to the control that the gesture's touch-down was over, or the nearest
// parent control, when that control takes the gesture (see TControl::FindGestureTarget);
// touch-downs over a 3D object, over a control of which no parent takes the gesture, or over
// no control at all, give no events. The target is chosen at the gesture's first event and
// kept until its last.
//
// Odd input is dropped without a trace: a Cancel, a message without touches (other than a
// None message) or with a coordinate that is not a finite number ends the touch sequence (an
// active zoom gets its end event, a pending double tap is forgotten). Controls freed while a
// gesture is under way are forgotten, so later messages reach nothing.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "scene/tree/SceneNode.h"
#include "ui/basics/GestureEvent.h"
#include "ui/basics/PointF.h"
#include "ui/gestures/TouchWindow.h"
#include "ui/services/OneShotTimer.h"

namespace ui {

class TControl;

// The platform's own gesture numbers: the beginning and end of a gesture sequence (neither
// is delivered), then the gestures.
constexpr int PlatformGestureBegin = 1;
constexpr int PlatformGestureEnd = 2;
constexpr int PlatformGestureZoom = 3;
constexpr int PlatformGesturePan = 4;

// A gesture the platform recognised itself, as the platform adapter reports it.
struct TPlatformGesture {
  int Kind = 0;  // the platform's gesture number
  TPointF Location;
  TInteractiveGestureFlags Flags;
  int Distance = 0;  // zoom: the distance between the contacts, pixels
  friend bool operator==(const TPlatformGesture&, const TPlatformGesture&) = default;
};

class TMultiTouchManager : private scene::TFreeObserver {
 public:
  static constexpr int DoubleTapInterval = 300;  // milliseconds
  static constexpr double ZoomStep = 2;          // pixels

  TMultiTouchManager(ITouchWindow& window, IOneShotTimerSource& timers);
  ~TMultiTouchManager();
  TMultiTouchManager(const TMultiTouchManager&) = delete;
  TMultiTouchManager& operator=(const TMultiTouchManager&) = delete;

  // A touch message: the touches' positions in the window's client area (window units), in
  // the platform's order, and the message's action.
  void HandleTouches(std::span<const TPointF> touches, TTouchAction action);

  // A gesture the platform recognised: it goes out with GestureID = kind + 256 and the given
  // flags (begin, inertia, end), Distance for a zoom, to the gesture's target under
  // `location` at its gfBegin event; its gfEnd event ends it. Kinds 1 and 2 are ignored.
  void HandlePlatformGesture(int kind, TPointF location, TInteractiveGestureFlags flags,
                             int distance);
  void HandlePlatformGesture(const TPlatformGesture& gesture) {
    HandlePlatformGesture(gesture.Kind, gesture.Location, gesture.Flags, gesture.Distance);
  }

  // The state between messages.
  TInteractiveGestures ActiveInteractiveGestures() const { return FActiveInteractiveGestures; }
  scene::TSceneNode* TouchDownControl() const { return FTouchDownControl; }
  TControl* GestureControl() const;
  bool DoubleTapTimerRunning() const { return FDoubleTapTimer != nullptr; }
  // How far (window units) a touch may move between two messages and still be a tap.
  double TapTolerance() const;

 private:
  void TouchDown();
  void TouchMove();
  void TouchUp();
  void RecognizeTwoFingerGestures();
  bool TryGesture(TInteractiveGesture gesture);
  bool TryZoom();

  TGestureEventInfo MakeEvent(TInteractiveGesture gesture, bool ending) const;
  void Deliver(TInteractiveGesture gesture, const TGestureEventInfo& eventInfo);

  void StartDoubleTapTimer();
  void DiscardDoubleTapTimer();
  // Ends the gestures still active and forgets the touches and targets of the sequence.
  void EndTouchSequence();
  void CancelTouches();

  // Points `field` at `node`, observing its freeing while any field refers to it.
  void Retarget(scene::TSceneNode*& field, scene::TSceneNode* node);
  void ObservedFreed(scene::TSceneNode* dying) override;

  ITouchWindow& FWindow;
  IOneShotTimerSource& FTimers;

  std::vector<TPointF> FTouches;
  TPointF FFirstPointer{-1, -1};
  TPointF FSecondPointer{-1, -1};
  TPointF FOldPoint1{-1, -1};
  TPointF FOldPoint2{-1, -1};
  TPointF FFirstPointerDownCoordinates{-1, -1};
  TInteractiveGestures FActiveInteractiveGestures;
  TInteractiveGestures FEnabledInteractiveGestures;
  // The object the latest touch-down was over (or the window), and the control receiving the
  // touch gesture under way; nodes, so that they can be compared while being freed.
  scene::TSceneNode* FTouchDownControl = nullptr;
  scene::TSceneNode* FGestureControl = nullptr;
  std::unique_ptr<IOneShotTimer> FDoubleTapTimer;
  bool FDblTapFirstTouchUp = false;

  // The platform's gesture under way: its target and last location.
  scene::TSceneNode* FPlatformGestureControl = nullptr;
  TPointF FPlatformGestureLocation;
};

}  // namespace ui
