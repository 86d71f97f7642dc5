// Animations made on the fly from code, and the freeing of those temporary animations.
//
// AnimateFloat glides a float property from its current value to a new one and leaves it at
// that: the caller gets nothing back and owns nothing. The TFloatAnimation it makes is a child
// of the target, so it goes if the target is freed first. When its run ends or it is stopped,
// TAnimationDestroyer frees it through a task queued to the user-interface thread rather than
// at once, because the code that ended the run (a clock tick, Stop) still works on the
// animation after raising OnFinish. A queued task whose animation has already gone with its
// target does nothing.
#pragma once

#include <string_view>

#include "scene/math/Interpolation.h"

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
