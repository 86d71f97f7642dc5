// Where the render pass draws a scene point: the pixel (top-left origin, y down, not rounded)
// in a view of the given size seen through `camera`.
#pragma once

#include "scene/objects/Camera.h"
#include "scene/render/Context3D.h"

namespace scene::testing {

inline TPoint3D ViewPixel(const TCamera& camera, const TPoint3D& p, int width, int height) {
  const TMatrix3D m =
      camera.CameraMatrix() * PerspectiveProjection(camera.AngleOfView(), width, height);
  const TVector3D clip = Transform({p.X, p.Y, p.Z, 1}, m);
  return {(clip.X / clip.W + 1) / 2 * static_cast<float>(width),
          (1 - clip.Y / clip.W) / 2 * static_cast<float>(height), 0};
}

}  // namespace scene::testing
