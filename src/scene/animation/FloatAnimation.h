// An animation of a float property from StartValue to StopValue over each pass.
//
// The value is (StopValue - StartValue) * NormalizedTime() + StartValue, computed in single
// precision and written through the property's own setter, so an animated write sets off
// exactly what the same write from a handler would. With StartFromCurrent the property's value
// replaces the stored StartValue whenever a run begins (at Start, or when its delay runs out)
// but not when a loop begins another pass, so a looping animation keeps returning to where it
// was started. A path ending at a property that is not a float is neither read nor written;
// the run's time still passes and it ends as usual.
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
