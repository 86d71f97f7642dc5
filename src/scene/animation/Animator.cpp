#include "scene/animation/Animator.h"

#include <memory>
#include <string>

#include "scene/animation/AnimationPlatform.h"
#include "scene/animation/FloatAnimation.h"

namespace scene {

TAnimationDestroyer& TAnimationDestroyer::Instance() {
  static TAnimationDestroyer destroyer;
  return destroyer;
}

void TAnimationDestroyer::DoAniFinished(TSceneNode& sender) {
  auto* animation = dynamic_cast<TAnimation*>(&sender);
  if (!animation || animation->FDisposalQueued) return;
  animation->FDisposalQueued = true;
  // The token expires when the animation is freed some other way (with its target).
  std::weak_ptr<char> alive = animation->FLifeToken;
  AnimationPlatform().QueueTask([animation, alive] {
    if (!alive.expired()) delete animation;
  });
}

void TAnimator::StopPropertyAnimation(TSceneNode* target, std::string_view propertyName) {
  if (!target) return;
  const auto& children = target->Children();
  // An OnFinish handler may change the list; an index past its end restarts at the last entry.
  for (ptrdiff_t i = static_cast<ptrdiff_t>(children.size()) - 1; i >= 0;) {
    if (auto* animation = dynamic_cast<TCustomPropertyAnimation*>(children[static_cast<size_t>(i)]))
      if (SameTextAscii(animation->PropertyName(), propertyName)) animation->Stop();
    --i;
    if (i >= static_cast<ptrdiff_t>(children.size()))
      i = static_cast<ptrdiff_t>(children.size()) - 1;
  }
}

void TAnimator::AnimateFloat(TSceneNode* target, std::string_view propertyName, float newValue,
                             float duration, TAnimationType type,
                             TInterpolationType interpolation) {
  if (!target) return;
  StopPropertyAnimation(target, propertyName);
  TAnimationDestroyer& destroyer = TAnimationDestroyer::Instance();

  auto* animation = new TFloatAnimation;
  animation->SetParent(target);
  animation->SetAnimationType(type);
  animation->SetInterpolation(interpolation);
  animation->OnFinish = [&destroyer](TSceneNode& sender) { destroyer.DoAniFinished(sender); };
  animation->SetDuration(duration);
  animation->SetPropertyName(std::string(propertyName));
  animation->SetStartFromCurrent(true);
  animation->SetStopValue(newValue);
  try {
    animation->Start();
  } catch (...) {
    delete animation;
    throw;
  }
  // A start that did nothing (no such property, a hidden target) leaves an animation that
  // will never finish and so never be disposed of: it goes now, having never run.
  if (!animation->Running() && !animation->FDisposalQueued) delete animation;
}

void TSceneNode::AnimateFloat(std::string_view propertyName, float newValue, float duration,
                              TAnimationType type, TInterpolationType interpolation) {
  TAnimator::AnimateFloat(this, propertyName, newValue, duration, type, interpolation);
}

}  // namespace scene
