// What pointer events carry: the button, the keys and buttons held, and the handler types of
// 3D objects. Coordinates are window units of the object's viewport, whole numbers.
#pragma once

#include <functional>

#include "scene/math/Point3D.h"

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
