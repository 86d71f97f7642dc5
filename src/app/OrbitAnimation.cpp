#include "app/OrbitAnimation.h"

#include <string>

namespace app {

void TOrbitAnimation::CaptureStartValue() {
  TFloatAnimation::CaptureStartValue();
  // Why the end of a pass is then seamless: the last tick of a pass wrote a - 360 + e (e, the
  // part of the turn still to go, at most one tick's worth), and the completing tick writes
  // a again. A RotationAngle write turns the body by ReduceAngle(new - last written), here
  // ReduceAngle(360 - e) = 360 - e, which is the same turn as -e: the body goes on by the rest
  // of the pass in its own direction and stands where a full turn ends. Resuming after
  // StopAtCurrent captures the angle read back (reduced into 0..360), which the setter already
  // holds, so the restart writes nothing and the first tick turns by one tick's worth.
  FStopFloat = FStartFloat - 360;
}

TOrbitAnimation* AddBodyAnimation(scene::TSceneNode& body, int number, float duration) {
  auto* animation = new TOrbitAnimation;
  animation->SetName("FloatAnimation" + std::to_string(number));
  body.AddChild(animation);
  animation->SetDuration(duration);
  animation->SetLoop(true);
  animation->SetPropertyName("RotationAngle.Y");
  animation->SetStartValue(0);
  animation->SetStartFromCurrent(true);
  animation->SetStopValue(-360);
  animation->SetEnabled(true);
  return animation;
}

}  // namespace app
