// What pointer events carry (the button, the keys and buttons held, the point and, for a 3D
// object, the pick ray), the handler types of 3D objects, and the one interface that the
// window's pointer routing hands events to, which 2D controls and 3D objects both implement.
#pragma once

#include <functional>
#include <optional>

#include "scene/math/Point3D.h"
#include "scene/math/Ray.h"

namespace scene {

class TSceneNode;

enum TMouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// The keys and buttons held when an event happened, and ssDouble for the second press of a
// double-click; a set of bits.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1u << 0;
constexpr TShiftState ssAlt = 1u << 1;
constexpr TShiftState ssCtrl = 1u << 2;
constexpr TShiftState ssLeft = 1u << 3;
constexpr TShiftState ssRight = 1u << 4;
constexpr TShiftState ssMiddle = 1u << 5;
constexpr TShiftState ssDouble = 1u << 6;
constexpr TShiftState ssTouch = 1u << 7;
constexpr TShiftState ssPen = 1u << 8;
constexpr TShiftState ssCommand = 1u << 9;
constexpr TShiftState ssHorizontal = 1u << 10;
// Any mouse button held.
constexpr TShiftState ssAnyButton = ssLeft | ssRight | ssMiddle;

// One pointer event as its target takes it. The point is in the target's coordinates, window
// units, whole numbers: a 2D control's own, a 3D object's viewport's.
struct TPointerEvent {
  TMouseButton Button = mbLeft;
  TShiftState Shift = 0;
  float X = 0, Y = 0;
  // A 3D object's pick ray through the point, in the object's local coordinates; none for a
  // 2D control, or for a 3D object in no view.
  std::optional<TPickRay> Ray;
};

// What the pointer is routed to: a 2D control or a 3D object. The routing sends each press,
// move and release to one target; the second press of a double-click carries ssDouble, and
// each kind of target tells its double-click from that.
class IPointerTarget {
 public:
  // The target's object in the tree.
  virtual TSceneNode& PointerNode() = 0;
  // The event at a client point of the window (window units): the point in this target's
  // coordinates, with its ray.
  virtual TPointerEvent PointerEventAt(float clientX, float clientY) = 0;

  virtual void PointerDown(const TPointerEvent& event) = 0;
  virtual void PointerMove(const TPointerEvent& event) = 0;
  // The click step of a release that may end a click, just before PointerUp.
  virtual void PointerClick(const TPointerEvent& event) = 0;
  virtual void PointerUp(const TPointerEvent& event) = 0;
  // `handled` starts false; a target that takes the turn sets it, and the turn goes on to the
  // parents while it stays false.
  virtual void PointerWheel(TShiftState shift, int wheelDelta, bool& handled) = 0;
  // The pointer entered (true) or left (false) the target.
  virtual void PointerHover(bool over) = 0;
  // Holds the pointer from its press until the release.
  virtual bool CapturesPointer() const = 0;

  // Keyboard focus and context menus: 2D controls only.
  virtual bool TakesFocus() const { return false; }
  virtual void FocusChanged(bool /*focused*/) {}
  // Shown and enabled, with a context menu to open.
  virtual bool HasContextMenu() const { return false; }
  // Opens the context menu at a screen point (pixels); false when there is none.
  virtual bool OpenContextMenu(float /*screenX*/, float /*screenY*/) { return false; }
  // The same at the target's centre, for the menu key.
  virtual bool OpenContextMenuAtCentre() { return false; }

 protected:
  ~IPointerTarget() = default;
};

using TSenderEvent = std::function<void(TSceneNode& sender)>;
// Press and release of a 3D object: the ray is the pick ray in the object's local coordinates.
using TMouseEvent3D =
    std::function<void(TSceneNode& sender, TMouseButton button, TShiftState shift, float x, float y,
                       const TVector3D& rayPos, const TVector3D& rayDir)>;
using TMouseMoveEvent3D =
    std::function<void(TSceneNode& sender, TShiftState shift, float x, float y,
                       const TVector3D& rayPos, const TVector3D& rayDir)>;
// A wheel turn; `handled` starts false and stops the turn from going on to the parents.
using TMouseWheelEvent =
    std::function<void(TSceneNode& sender, TShiftState shift, int wheelDelta, bool& handled)>;

}  // namespace scene
