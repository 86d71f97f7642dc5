// What a 3D object needs from the viewport at the root of its tree.
//
// The viewport itself is a 2D control of the window layer; 3D objects reach it only through
// this interface, which they are handed when they (or an ancestor) join its tree.
#pragma once

#include "scene/math/Ray.h"

namespace scene {

class TContext3D;
class TLight;

// How an object is drawn: through the camera, or in the view's pixels (screen projection).
enum class TProjectionKind { Camera, Screen };

class ISceneHost {
 public:
  virtual ~ISceneHost() = default;
  // Asks for a render at the next paint; any number of requests before it give one pass.
  virtual void RequestRender() = 0;
  virtual void AddLight(TLight* light) = 0;
  virtual void RemoveLight(TLight* light) = 0;
  // The drawing context, or null while the viewport has none (no size known yet).
  virtual TContext3D* Context() const = 0;
  // Where a client point of the window (window units) falls in this view: the point in the
  // view's coordinates, and the pick ray through it in scene coordinates for objects drawn
  // with `projection`. False when the host is no view that takes the pointer.
  virtual bool PointAndRayAt(float /*clientX*/, float /*clientY*/, TProjectionKind /*projection*/,
                             float& /*viewX*/, float& /*viewY*/, TPickRay& /*ray*/) const {
    return false;
  }
};

}  // namespace scene
