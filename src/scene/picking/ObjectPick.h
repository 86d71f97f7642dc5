// Finding the 3D object under a point of a viewport.
//
// A pick runs up to two passes over the viewport's objects: first those drawn in screen
// projection, then, when none of them was hit, those drawn through the camera. Within a pass
// an object asks its own children first (the last child first, the last answer kept) and tests
// its own shape only when none of them answered; so a parent whose child was hit is not taken
// even when its own surface lies nearer. An object answers when its shape is hit nearer to the
// ray's origin than anything found before in the pass. Invisible objects (with their
// subtrees) and objects with HitTest off are passed over; nothing allocates.
#pragma once

#include "scene/objects/Control3D.h"
#include "scene/picking/PickRay.h"

namespace scene {

struct TPick {
  // Farther than anything in the scene: a new pass starts from it.
  static constexpr float NoHit = 65535;

  TPickRay Ray;  // in scene coordinates (pixel space for the screen pass)
  TProjectionKind Pass = TProjectionKind::Camera;
  float Nearest = NoHit;
};

// The object of `object`'s subtree that the pick's ray hits under the rules above, or null.
TControl3D* PickObject(TControl3D& object, TPick& pick);

// The ray of the screen pass: straight into the screen at pixel (x, y), from in front of
// everything drawn there.
TPickRay ScreenRay(float x, float y);

}  // namespace scene
