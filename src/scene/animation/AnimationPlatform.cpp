#include "scene/animation/AnimationPlatform.h"

#include <stdexcept>

#include "scene/animation/AniThread.h"

namespace scene {

void TServiceChange<IAnimationPlatform>::Before(IAnimationPlatform*, IAnimationPlatform*) {
  TAniThread::FreeClock();
}

IAnimationPlatform& AnimationPlatform() {
  IAnimationPlatform* platform = TService<IAnimationPlatform>::Get();
  if (!platform) throw std::logic_error("No animation platform is installed.");
  return *platform;
}

}  // namespace scene
