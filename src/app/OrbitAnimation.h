// The animation that turns a body of the scene: the planet's spin and each moon's orbit.
//
// A plain TFloatAnimation of "RotationAngle.Y" from the captured angle a to -360 sweeps
// a + 360 degrees per pass and jumps back by a at the end of every pass, so a moon with a
// non-zero phase would run fast and teleport once per pass, and every body would do the same
// after auto-rotation is switched off and on again (it resumes from the angle where it
// stopped). TOrbitAnimation keeps the runtime's rules and only moves the far end: whenever it
// captures its start value a, its stop value becomes a - 360. Each pass then sweeps exactly
// 360 degrees in Duration seconds, from wherever the body stands.
#pragma once

#include "scene/animation/FloatAnimation.h"

namespace app {

class TOrbitAnimation : public scene::TFloatAnimation {
 public:
  void CaptureStartValue() override;
};

// Adds the stored spin or orbit animation to `body` as its last child: "FloatAnimation<number>",
// PropertyName "RotationAngle.Y", StartValue 0, StopValue -360, StartFromCurrent, Loop,
// Duration `duration` seconds, and Enabled, so that it starts when the window's loading
// completes (call it while the tree is loading).
TOrbitAnimation* AddBodyAnimation(scene::TSceneNode& body, int number, float duration);

}  // namespace app
