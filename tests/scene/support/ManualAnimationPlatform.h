// The hand-driven animation platform installed for the life of a test fixture, and a stand-in
// form for trees whose animations run on it.
#pragma once

#include "scene/animation/ManualAnimationPlatform.h"
#include "scene/tree/SceneNode.h"

namespace scene::testing {

using scene::TManualAnimationPlatform;

// The platform installed for the life of a fixture; the clock is freed with it.
struct TManualAnimationScope {
  TManualAnimationPlatform Platform;
  TServiceInstallation<IAnimationPlatform> Installation{Platform};
};

// A stand-in for a window: the root of a tree whose animations run on the clock.
class TTestForm : public TSceneNode {
 public:
  bool IsForm() const override { return true; }
};

}  // namespace scene::testing
