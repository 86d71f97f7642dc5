// Class-level operations on property animations, and the disposal of temporary ones.
//
// AnimateFloat makes a temporary TFloatAnimation: a child of the target with no other owner,
// started at once from the property's current value. When its run ends (or it is stopped) it
// is freed by a task queued to the user-interface thread, after the tick or call that ended it
// has returned, never inside it. If the target is freed first, the animation goes with it and
// the queued task does nothing. The caller keeps no reference to the animation.
#pragma once

#include <string_view>

#include "scene/animation/Interpolation.h"

namespace scene {

class TSceneNode;

class TAnimator {
 public:
  // Stops an earlier animation of the same property on `target` (it jumps to its end value),
  // then animates the property from its current value to `newValue` over `duration` seconds.
  // A path that does not resolve, or a hidden visual target, does nothing.
  static void AnimateFloat(TSceneNode* target, std::string_view propertyName, float newValue,
                           float duration = 0.2f, TAnimationType type = TAnimationType::In,
                           TInterpolationType interpolation = TInterpolationType::Linear);

  // Stops (with Stop) every property animation among the target's children whose
  // PropertyName equals `propertyName` ignoring case, from the last child to the first.
  static void StopPropertyAnimation(TSceneNode* target, std::string_view propertyName);
};

// The one shared object that disposes of temporary animations.
class TAnimationDestroyer {
 public:
  // The destroyer, created on first use.
  static TAnimationDestroyer& Instance();

  // OnFinish of temporary animations: queues the freeing of `sender` (once) to the
  // user-interface thread.
  void DoAniFinished(TSceneNode& sender);
};

}  // namespace scene
