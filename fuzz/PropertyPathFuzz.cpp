// An animation's property path fed any text, over a small tree (an object with a named child
// and the position triple): starting, ticking and stopping never fail, and an animation whose
// path resolves writes only finite values between its start and stop values.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scene/animation/FloatAnimation.h"
#include "scene/objects/Control3D.h"
#include "support/ManualAnimationPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  scene::testing::TManualAnimationScope clock;
  scene::testing::TTestForm form;
  auto* body = new scene::TControl3D;
  body->SetName("Body");
  form.AddChild(body);
  auto* moon = new scene::TControl3D;
  moon->SetName("Moon");
  body->AddChild(moon);
  auto* animation = new scene::TFloatAnimation;
  body->AddChild(animation);
  animation->SetDuration(1);
  animation->SetStartValue(-5);
  animation->SetStopValue(5);
  animation->SetPropertyName(std::string(reinterpret_cast<const char*>(data), size));
  animation->Start();
  for (int i = 0; i < 4; ++i)
    clock.Platform.Tick(0.3);
  animation->Stop();
  for (const scene::TControl3D* object : {body, moon})
    for (float v : {object->Position().X(), object->Position().Y(), object->Position().Z(),
                    object->Scale().X(), object->Opacity()})
      if (!std::isfinite(v) || std::abs(v) > 5.0001f + 1) std::abort();
  return 0;
}
