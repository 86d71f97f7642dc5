#include "scene/animation/AnimationPlatform.h"

#include <stdexcept>

#include "scene/animation/AniThread.h"

namespace scene {

namespace {
IAnimationPlatform* GPlatform = nullptr;
}  // namespace

void InstallAnimationPlatform(IAnimationPlatform* platform) {
  if (platform == GPlatform) return;
  // The clock's timer was made by the old platform and must not outlive it.
  TAniThread::FreeClock();
  GPlatform = platform;
}

IAnimationPlatform& AnimationPlatform() {
  if (!GPlatform) throw std::logic_error("No animation platform is installed.");
  return *GPlatform;
}

bool HasAnimationPlatform() {
  return GPlatform != nullptr;
}

}  // namespace scene
