#include "scene/animation/FloatAnimation.h"

namespace scene {

void TFloatAnimation::CaptureStartValue() {
  if (!FStartFromCurrent) return;
  if (const TPropertyInfo* property = FloatTarget()) FStartFloat = property->GetFloat(*FInstance);
}

void TFloatAnimation::ApplyCurrentValue() {
  const TPropertyInfo* property = FloatTarget();
  if (!property) return;
  const float value = (FStopFloat - FStartFloat) * NormalizedTime() + FStartFloat;
  property->SetFloat(*FInstance, value);
}

const TPropertyTable& TFloatAnimation::ClassProperties() {
  using T = TFloatAnimation;
  static const TPropertyTable table(&TCustomPropertyAnimation::ClassProperties(),
                                    {FloatProperty<T>(
                                         "StartValue", [](T& a) { return a.StartValue(); },
                                         [](T& a, float v) { a.SetStartValue(v); }),
                                     FloatProperty<T>(
                                         "StopValue", [](T& a) { return a.StopValue(); },
                                         [](T& a, float v) { a.SetStopValue(v); }),
                                     OtherProperty("StartFromCurrent")});
  return table;
}

}  // namespace scene
