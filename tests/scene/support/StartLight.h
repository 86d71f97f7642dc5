// Light1 at the start: white, directional, along the pivot's Z axis turned by -15 about X.
#pragma once

#include "scene/render/LightDescription.h"

namespace scene::testing {

inline TLightDescription StartLight() {
  TLightDescription l;
  l.Direction = {0, 0.258819f, 0.965926f};
  l.Position = {0, -7.76f, -28.98f};
  return l;
}

}  // namespace scene::testing
