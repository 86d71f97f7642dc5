// A gesture as the 2D layer hands it to a control: which gesture, where, and which part of
// it the event stands for.
//
// Identifiers: the touch recognizer numbers its gestures 259 + the TInteractiveGesture value
// (259 zoom, 265 double tap); gestures the platform recognises itself are numbered by the
// platform's gesture number + 256, which gives the same numbers for the gestures both know.
#pragma once

#include <functional>

#include "ui/basics/EnumSet.h"
#include "ui/basics/PointF.h"

namespace scene {
class TSceneNode;
}

namespace ui {

enum class TInteractiveGesture { Zoom, Pan, Rotate, TwoFingerTap, PressAndTap, LongTap, DoubleTap };
using TInteractiveGestures = TEnumSet<TInteractiveGesture>;

// The part of a gesture an event stands for: its first event, an event of its inertia phase
// after the fingers left, its last event. Events between the first and the last have none.
enum class TInteractiveGestureFlag { gfBegin, gfInertia, gfEnd };
using TInteractiveGestureFlags = TEnumSet<TInteractiveGestureFlag>;

// What a touch message reports of its last touch.
enum class TTouchAction { None, Up, Down, Move, Cancel };

constexpr int InteractiveGestureId(TInteractiveGesture gesture) {
  return 259 + static_cast<int>(gesture);
}

// The platform's gesture numbers become identifiers by this offset.
constexpr int PlatformGestureIdBase = 256;

// The identifiers a gesture handler meets: the recognizer's zoom (259), pan (260) and double
// tap (265), and the drawn strokes left (1) and right (2), which no control here registers.
constexpr int GestureIdZoom = InteractiveGestureId(TInteractiveGesture::Zoom);
constexpr int GestureIdPan = InteractiveGestureId(TInteractiveGesture::Pan);
constexpr int GestureIdDoubleTap = InteractiveGestureId(TInteractiveGesture::DoubleTap);
constexpr int GestureIdDrawnLeft = 1;
constexpr int GestureIdDrawnRight = 2;

struct TGestureEventInfo {
  int GestureID = 0;
  TPointF Location;  // client area of the window, window units
  TInteractiveGestureFlags Flags;
  double Angle = 0;  // radians
  TPointF InertiaVector;
  int Distance = 0;  // pixels
  TPointF TapLocation;
  friend bool operator==(const TGestureEventInfo&, const TGestureEventInfo&) = default;
};

// A control's gesture handler; it sets `handled` to stop the event going further.
using TGestureEvent = std::function<void(scene::TSceneNode& sender,
                                         const TGestureEventInfo& eventInfo, bool& handled)>;

}  // namespace ui
