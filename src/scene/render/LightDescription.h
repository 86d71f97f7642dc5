// The record a light hands to the drawing context at the start of every frame.
#pragma once

#include "scene/math/AlphaColor.h"
#include "scene/math/Point3D.h"

namespace scene {

enum class TLightKind { Directional, Point, Spot };

struct TLightDescription {
  bool Enabled = true;
  TAlphaColor Color = claWhite;
  TLightKind LightType = TLightKind::Directional;
  float SpotCutOff = 180;  // degrees
  float SpotExponent = 0;
  TPoint3D Position;   // the light's origin in scene coordinates
  TPoint3D Direction;  // its +Z axis in scene coordinates, not normalised
};

}  // namespace scene
