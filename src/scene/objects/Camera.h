// A camera of the 3D scene: draws nothing, is never hit, starts at (0, 0, -5).
//
// CameraMatrix: with a Target the camera looks from its own origin at the target's origin,
// and its own orientation only gives the up direction (its -Y axis); without one it looks
// along its own +Z axis. In view coordinates the camera sits at the origin looking along -Z,
// screen right +X and screen up +Y (which is the camera's -Y axis). The target is forgotten
// when it is freed.
#pragma once

#include "scene/objects/Control3D.h"

namespace scene {

class TCamera : public TControl3D {
 public:
  TCamera();
  ~TCamera() override;

  // Vertical field of view in degrees; every written value is clamped to 1..179.
  float AngleOfView() const { return FAngleOfView; }
  void SetAngleOfView(float degrees);
  TControl3D* Target() const { return FTarget; }
  void SetTarget(TControl3D* target);

  TMatrix3D CameraMatrix() const;

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  void ObservedFreed(TSceneNode* dying) override;

 private:
  float FAngleOfView = 45;
  TControl3D* FTarget = nullptr;
};

}  // namespace scene
