// A pivot without geometry: it draws nothing and is never hit; it only carries its children.
#pragma once

#include "scene/objects/Control3D.h"

namespace scene {

class TDummy : public TControl3D {
 public:
  TDummy() { SetHitTest(false); }
};

}  // namespace scene
