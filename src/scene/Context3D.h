// The drawing context of a viewport: matrices, lights and render states, over a device.
#pragma once

#include "scene/Matrix3D.h"

namespace scene {

class TContext3D {
 public:
  virtual ~TContext3D() = default;

  void SetCameraMatrix(const TMatrix3D& m) { FCameraMatrix = m; }
  const TMatrix3D& CurrentCameraMatrix() const { return FCameraMatrix; }

 private:
  TMatrix3D FCameraMatrix;
};

}  // namespace scene
