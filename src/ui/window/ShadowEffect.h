// A soft shadow under the control it is a child of: the control's drawing (its own content and
// its children) as a silhouette of one colour, blurred and moved a little, painted before the
// control so the control lies over it.
//
// The silhouette is taken from the control's rectangle grown by Trunc(Softness x 20) units on
// every side, blurred by a blur amount of Softness x 2 (spread over BlurAmount x 10 units), and
// moved by Distance units in the Direction (degrees, 0 to the right, 90 downwards).
#pragma once

#include "scene/math/AlphaColor.h"
#include "scene/tree/SceneNode.h"
#include "ui/paint/Painter.h"

namespace ui {

class TControl;

class TShadowEffect : public scene::TSceneNode {
 public:
  float Distance() const { return FDistance; }
  void SetDistance(float v);
  float Direction() const { return FDirection; }
  void SetDirection(float v);
  // 0..3; values outside are taken as the nearest end.
  float Softness() const { return FSoftness; }
  void SetSoftness(float v);
  // 0..1; values outside are taken as the nearest end.
  float Opacity() const { return FOpacity; }
  void SetOpacity(float v);
  scene::TAlphaColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(scene::TAlphaColor c);
  // A disabled effect casts nothing.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);

  float BlurAmount() const { return FSoftness * 2; }
  // The shadow cast under `control` (client coordinates), with its absolute opacity.
  TShadow ShadowOf(const TControl& control) const;

 private:
  void Changed();

  float FDistance = 2;
  float FDirection = 45;
  float FSoftness = 0.2f;
  float FOpacity = 0.5f;
  scene::TAlphaColor FShadowColor = 0xFF000000;
  bool FEnabled = true;
};

}  // namespace ui
