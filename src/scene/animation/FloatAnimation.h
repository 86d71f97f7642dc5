// Animates a float property from StartValue to StopValue along the time curve.
//
// The value at normalized time n is (StopValue - StartValue) * n + StartValue in single
// precision, written through the property's setter, so an animated write has exactly the
// effect of the same write made by a handler. With StartFromCurrent the property's value is
// taken as StartValue whenever a run begins (at Start, or when a delay runs out; never at the
// end of a pass), overwriting the stored StartValue. A final property that is not a float is
// neither read nor written; the run's time still passes.
#pragma once

#include "scene/animation/PropertyAnimation.h"

namespace scene {

class TFloatAnimation : public TCustomPropertyAnimation {
 public:
  float StartValue() const { return FStartFloat; }
  void SetStartValue(float value) { FStartFloat = value; }
  float StopValue() const { return FStopFloat; }
  void SetStopValue(float value) { FStopFloat = value; }
  bool StartFromCurrent() const { return FStartFromCurrent; }
  void SetStartFromCurrent(bool value) { FStartFromCurrent = value; }

  void CaptureStartValue() override;
  void ApplyCurrentValue() override;

  const TPropertyTable& Properties() const override { return ClassProperties(); }
  static const TPropertyTable& ClassProperties();

 protected:
  float FStartFloat = 0;
  float FStopFloat = 0;

 private:
  bool FStartFromCurrent = false;
};

}  // namespace scene
